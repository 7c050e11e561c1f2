#include "imageset/SetInfoDialog.h"

#include <QLabel>
#include <algorithm>
#include <QPushButton>

#include "ui/DialogLook.h"
#include "ui/LinkLabel.h"
#include "ui/Prompts.h"
#include "imageset/SetHeader.h"

namespace {

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
void fitLink(LinkLabel* link) {
  link->adjustSize();
  link->resize(std::min(link->width(), kValueWidth), link->height());
}

}  // namespace

SetInfoDialog::SetInfoDialog(const SetHeader* source, QWidget* parent)
    : GameDialog(true, parent), source_(source) {
  setWindowTitle(QStringLiteral("About Current Image Set..."));

  titleCaption = caption(this, "Image Set Title:", 10);
  authorCaption = caption(this, "Image Set Author:", 42);
  emailCaption = caption(this, "Author's E-mail Address:", 62);
  webCaption = caption(this, "Author's Web Site:", 82);
  commentCaption = caption(this, "Image Set Comment:", 108);
  // The values stand in one column right of the widest caption.
  int valueLeft = 136;
  for (QLabel* c : {titleCaption, authorCaption, emailCaption, webCaption, commentCaption})
    valueLeft = std::max(valueLeft, c->geometry().right() + 10);
  const int width = valueLeft + kValueWidth + 9;
  setFixedSize(width, 226);

  titleText = new QLabel(this);
  titleText->setGeometry(valueLeft, 10, kValueWidth, 25);
  titleText->setWordWrap(true);
  titleText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  titleText->setTextFormat(Qt::PlainText);
  QFont bold = font();
  bold.setBold(true);
  titleText->setFont(bold);

  authorLink = new LinkLabel(this);
  authorLink->move(valueLeft, 42);
  emailLink = new LinkLabel(this);
  emailLink->move(valueLeft, 62);
  webLink = new LinkLabel(this);
  webLink->move(valueLeft, 82);

  commentText = new QLabel(this);
  commentText->setGeometry(valueLeft, 108, kValueWidth, 85);
  commentText->setWordWrap(true);
  commentText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  commentText->setTextFormat(Qt::PlainText);

  okButton = new QPushButton(QStringLiteral("&Ok"), this);
  okButton->setGeometry((width - 75) / 2, 196, 75, 25);
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void SetInfoDialog::fillFrom(const SetHeader& header) {
  titleText->setText(header.title.text());
  authorLink->setCaption(header.author.text());
  authorLink->setUrl(QString());
  const QString email = header.email.text();
  emailLink->setCaption(email);
  emailLink->setUrl((QStringLiteral("mailto:") + email).left(kMailtoLimit));
  webLink->setCaption(header.webPage.text());
  webLink->setUrl(QString());
  commentText->setText(header.comment.text());
  for (LinkLabel* link : {authorLink, emailLink, webLink}) fitLink(link);
}

void SetInfoDialog::aboutToShow() {
  if (source_) fillFrom(*source_);
}

void runSetInfoDialog(SetInfoDialog& dialog, const SetHeader& header) {
  dialog.fillFrom(header);
  prompts().runModal(dialog);
}
