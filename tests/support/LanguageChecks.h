#pragma once
// Reading every text a window shows, to check it in another language: whether it
// has the room it needs (measured with the widget's own font, wrapped where the
// widget wraps) and whether it went through the translation system.
#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
#include <QWidget>
#include <vector>

struct ShownText {
  QString where;  // the window's and the widget's names
  QString text;
};

namespace languagecheck {

inline QString nameOf(const QObject& object) {
  const QString name = object.objectName();
  return QString::fromLatin1(object.metaObject()->className()) + (name.isEmpty() ? QString() : u'#' + name);
}

// What the player reads: accelerator marks gone, markup rendered to its text.
inline QString readable(const QString& text, bool richText) {
  QString plain = text;
  if (richText) {
    QTextDocument document;
    document.setHtml(text);
    plain = document.toPlainText();
  }
  plain.replace(QLatin1String("&&"), QString(QChar(0x1)));
  plain.remove(u'&');
  plain.replace(QChar(0x1), u'&');
  return plain;
}

inline bool isRich(const QLabel& label) {
  return label.textFormat() == Qt::RichText ||
         (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
}

// Every text root shows (its title, labels, buttons, group titles, list and table
// headers, combo box items, placeholders, tool tips), with where it is.
inline std::vector<ShownText> shownTexts(const QWidget& root) {
  std::vector<ShownText> texts;
  const QString window = nameOf(root);
  auto add = [&](const QObject& o, const QString& text) {
    if (!text.trimmed().isEmpty()) texts.push_back({window + u'/' + nameOf(o), text});
  };
  add(root, root.windowTitle());
  for (const QWidget* w : root.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&root)) continue;
    add(*w, w->toolTip());
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      add(*w, readable(label->text(), isRich(*label)));
    } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
      add(*w, readable(b->text(), false));
    } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
      add(*w, readable(group->title(), false));
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
      add(*w, edit->placeholderText());
    } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
      for (int i = 0; i < combo->count(); ++i) add(*w, combo->itemText(i));
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model()) {
      const QAbstractItemModel& model = *view->model();
      for (int c = 0; c < model.columnCount(); ++c)
        add(*w, model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    }
  }
  return texts;
}

// The texts of a menu's items, its submenus' included.
inline std::vector<ShownText> menuTexts(const QMenu& menu) {
  std::vector<ShownText> texts;
  for (const QAction* action : menu.actions()) {
    if (action->isSeparator()) continue;
    texts.push_back({nameOf(menu) + u'/' + nameOf(*action), readable(action->text(), false)});
    if (action->menu()) {
      const std::vector<ShownText> inner = menuTexts(*action->menu());
      texts.insert(texts.end(), inner.begin(), inner.end());
    }
  }
  return texts;
}

// The area a check box, radio button or push button draws its text in.
inline QRect buttonTextArea(const QAbstractButton& b, QStyleOptionButton& option) {
  option.initFrom(&b);
  option.text = b.text();
  option.icon = b.icon();
  option.iconSize = b.iconSize();
  QStyle::SubElement element = QStyle::SE_PushButtonContents;
  if (qobject_cast<const QCheckBox*>(&b)) element = QStyle::SE_CheckBoxContents;
  if (qobject_cast<const QRadioButton*>(&b)) element = QStyle::SE_RadioButtonContents;
  QRect area = b.style()->subElementRect(element, &option, &b);
  if (element == QStyle::SE_PushButtonContents && !b.icon().isNull())
    area.setLeft(area.left() + b.iconSize().width() + 4);
  return area;
}

// The texts under root that do not fit the room their widget gives them.
inline std::vector<ShownText> clippedTexts(const QWidget& root) {
  std::vector<ShownText> clipped;
  const QString window = nameOf(root);
  for (const QWidget* w : root.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&root) || w->width() <= 0) continue;
    const QFontMetrics metrics(w->font());
    QString text;
    bool fits = true;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
      if (label->text().isEmpty()) continue;
      text = readable(label->text(), isRich(*label));
      const int margin = label->margin();
      const QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
      const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
      // Wrapped text takes more lines within the width; a word wider than it is cut.
      const QRect need = metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20), flags, text);
      // Lines are measured a line spacing apart; the label needs their height only.
      const int lines = std::max(1, qRound(double(need.height()) / metrics.lineSpacing()));
      fits = need.width() <= area.width() && lines * metrics.height() <= area.height();
    } else if (const auto* b = qobject_cast<const QAbstractButton*>(w);
               b && !b->text().isEmpty() &&
               (qobject_cast<const QPushButton*>(b) || qobject_cast<const QCheckBox*>(b) ||
                qobject_cast<const QRadioButton*>(b))) {
      text = readable(b->text(), false);
      QStyleOptionButton option;
      const QRect area = buttonTextArea(*b, option);
      fits = metrics.horizontalAdvance(text) <= area.width() && metrics.height() <= area.height() + 2;
    } else if (const auto* group = qobject_cast<const QGroupBox*>(w); group && !group->title().isEmpty()) {
      text = readable(group->title(), false);
      QStyleOptionGroupBox option;
      option.initFrom(group);
      option.text = group->title();
      option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
      if (group->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
      const QRect label =
          group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
      // The style sizes the title to its text; it is cut where the box ends first.
      fits = group->rect().contains(label);
    } else {
      continue;
    }
    if (!fits) clipped.push_back({window + u'/' + nameOf(*w), text});
  }
  return clipped;
}

}  // namespace languagecheck
