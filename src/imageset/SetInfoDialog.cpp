#include "imageset/SetInfoDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "imageset/SetHeader.h"
#include "ui/DialogLook.h"
#include "ui/LinkLabel.h"
#include "ui/Prompts.h"

namespace {

constexpr int kValueWidth = 330;
constexpr int kMailtoLimit = 207;

// A value the set's author wrote: shown as written, wrapped in the value column.
QLabel* valueText(const char* name) {
  auto* label = new QLabel;
  label->setObjectName(QLatin1String(name));
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setMinimumWidth(1);  // a word longer than the column is cut, not the dialog widened
  return label;
}

// Links are as wide as their text, so only the text is clickable, but never
// wider than the column they stand in.
LinkLabel* valueLink(const char* name) {
  auto* link = new LinkLabel;
  link->setObjectName(QLatin1String(name));
  link->setMinimumWidth(1);
  return link;
}

}  // namespace

SetInfoDialog::SetInfoDialog(const SetHeader* source, QWidget* parent)
    : GameDialog(true, parent), source_(source) {
  setWindowTitle(tr("About Current Image Set..."));
  title_ = valueText("title");
  title_->setMinimumHeight(25);
  QFont bold = font();
  bold.setBold(true);
  title_->setFont(bold);
  author_ = valueLink("author");
  email_ = valueLink("email");
  webPage_ = valueLink("webPage");
  comment_ = valueText("comment");
  comment_->setMinimumHeight(85);

  // Captions in one column, values in the next; the rows keep their places apart.
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(4);
  grid->setColumnMinimumWidth(0, 118);
  grid->setColumnMinimumWidth(1, kValueWidth);
  grid->setColumnStretch(1, 1);
  const std::pair<const char*, QWidget*> rows[] = {{QT_TR_NOOP("Image Set Title:"), title_},
                                                   {QT_TR_NOOP("Image Set Author:"), author_},
                                                   {QT_TR_NOOP("Author's E-mail Address:"), email_},
                                                   {QT_TR_NOOP("Author's Web Site:"), webPage_},
                                                   {QT_TR_NOOP("Image Set Comment:"), comment_}};
  for (int row = 0; row < 5; ++row) {
    auto* caption = new QLabel(tr(rows[row].first));
    // The caption names its value for a screen reader; the value is the set's own text.
    caption->setBuddy(rows[row].second);
    grid->addWidget(caption, row, 0, Qt::AlignTop);
    // Links only as wide as their text; the wrapped texts fill the column.
    const bool link = qobject_cast<LinkLabel*>(rows[row].second);
    grid->addWidget(rows[row].second, row, 1, link ? Qt::AlignTop | Qt::AlignLeft : Qt::Alignment());
  }
  grid->setRowMinimumHeight(0, 28);  // the title stands a little apart, as does the comment
  grid->setRowMinimumHeight(3, 22);

  QDialogButtonBox* buttons = centredOkButtons(this, {75, 25});

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(8, 10, 9, 5);
  column->setSpacing(3);
  column->addLayout(grid);
  column->addStretch();
  column->addWidget(buttons);
  setDesignSize({0, 226});
}

void SetInfoDialog::fillFrom(const SetHeader& header) {
  title_->setText(header.title.text());
  author_->setCaption(header.author.text());
  author_->setUrl(QString());
  const QString email = header.email.text();
  email_->setCaption(email);
  email_->setUrl((QStringLiteral("mailto:") + email).left(kMailtoLimit));
  webPage_->setCaption(header.webPage.text());
  webPage_->setUrl(QString());
  comment_->setText(header.comment.text());
}

void SetInfoDialog::aboutToShow() {
  if (source_) fillFrom(*source_);
}

void runSetInfoDialog(SetInfoDialog& dialog, const SetHeader& header) {
  dialog.fillFrom(header);
  prompts().runModal(dialog);
}
