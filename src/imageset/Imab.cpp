#include "imageset/Imab.h"

#include <QLabel>
#include <QPushButton>

#include "about/DialogLook.h"
#include "about/Link.h"
#include "game/Prompts.h"
#include "imageset/SetHeader.h"

namespace {

constexpr int kValueLeft = 136;
constexpr int kValueWidth = 330;
constexpr int kMailtoLimit = 207;

QLabel* caption(QWidget* parent, const char* text, int top) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->move(8, top);
  label->adjustSize();
  return label;
}

// Links are as wide as their text, so only the text is clickable, but never
// wider than the column they stand in.
void fitLink(TLink* link) {
  link->adjustSize();
  link->resize(std::min(link->width(), kValueWidth), link->height());
}

}  // namespace

TImgAbout::TImgAbout(const SetHeader* source, QWidget* parent)
    : QDialog(parent, dialogFlags(true)), source_(source) {
  setWindowTitle(QStringLiteral("About Current Image Set..."));
  setFont(dialogFont());
  setFixedSize(475, 222);

  Label1 = caption(this, "Image Set Title:", 10);
  Title = new QLabel(this);
  Title->setGeometry(kValueLeft, 10, kValueWidth, 25);
  Title->setWordWrap(true);
  Title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Title->setTextFormat(Qt::PlainText);
  QFont bold = font();
  bold.setBold(true);
  Title->setFont(bold);

  Label3 = caption(this, "Image Set Author:", 42);
  Author = new TLink(this);
  Author->move(kValueLeft, 42);
  Label5 = caption(this, "Author's E-mail Address:", 62);
  Email = new TLink(this);
  Email->move(kValueLeft, 62);
  Label7 = caption(this, "Author's Web Site:", 82);
  Web = new TLink(this);
  Web->move(kValueLeft, 82);

  Label4 = caption(this, "Image Set Comment:", 108);
  Comment = new QLabel(this);
  Comment->setGeometry(110, 108, 357, 85);
  Comment->setWordWrap(true);
  Comment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Comment->setTextFormat(Qt::PlainText);

  Button1 = new QPushButton(QStringLiteral("&Ok"), this);
  Button1->setGeometry(200, 192, 75, 25);
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TImgAbout::fillFrom(const SetHeader& header) {
  Title->setText(header.Title.text());
  Author->setURL_Caption(header.Author.text());
  Author->setURL(QString());
  const QString email = header.Email.text();
  Email->setURL_Caption(email);
  Email->setURL((QStringLiteral("mailto:") + email).left(kMailtoLimit));
  Web->setURL_Caption(header.WebPage.text());
  Web->setURL(QString());
  Comment->setText(header.Comment.text());
  for (TLink* link : {Author, Email, Web}) fitLink(link);
}

void TImgAbout::showEvent(QShowEvent* event) {
  if (source_) fillFrom(*source_);
  centreOnScreen(this);
  QDialog::showEvent(event);
}

void ShowImgAbout(TImgAbout& dialog, const SetHeader& header) {
  dialog.fillFrom(header);
  prompts().runModal(dialog);
}
