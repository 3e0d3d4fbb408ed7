#include "ui/qt/drive_chooser.h"

#include <QAbstractItemView>
#include <QIcon>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <climits>
#include <filesystem>

#include "ui/qt/drive_pictures.h"

namespace keldra::ui {
namespace {

constexpr int kTypeRole = Qt::UserRole + 1;

// Picture 2 pixels from the left, centred vertically; the text 6 pixels after it.
class Drive_Item_Delegate : public QStyledItemDelegate {
 public:
  Drive_Item_Delegate(const Drive_Chooser* chooser, QObject* parent)
      : QStyledItemDelegate(parent), chooser_(chooser) {}

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    p->fillRect(option.rect, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
    const auto type = static_cast<platform::Drive_Type>(index.data(kTypeRole).toInt());
    const QPixmap picture = Drive_Picture(type);
    const int top = option.rect.top() + (option.rect.height() - picture.height()) / 2;
    p->drawPixmap(option.rect.left() + 2, top, picture);
    QRect text_rect = option.rect;
    text_rect.setLeft(option.rect.left() + 2 + picture.width() + 6);
    p->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    p->setFont(option.font);
    p->drawText(text_rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                index.data(Qt::DisplayRole).toString());
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize s = QStyledItemDelegate::sizeHint(option, index);
    s.setHeight(chooser_->Item_Height());
    return s;
  }

 private:
  const Drive_Chooser* chooser_;
};

}  // namespace

Drive_Chooser::Drive_Chooser(const platform::Drive_Table& table, QWidget* parent)
    : QComboBox(parent), table_(table) {
  setEditable(false);
  auto* delegate = new Drive_Item_Delegate(this, this);
  setItemDelegate(delegate);
  view()->setItemDelegate(delegate);
  connect(this, QOverload<int>::of(&QComboBox::activated), this, [this](int i) {
    if (i >= 0 && static_cast<std::size_t>(i) < entries_.size()) {
      current_ = entries_[static_cast<std::size_t>(i)].letter;
    }
  });
}

int Drive_Chooser::Item_Height() const {
  return std::max(fontMetrics().height(), Drive_Picture(platform::Drive_Type::Removable).height());
}

void Drive_Chooser::Ensure_Filled() {
  if (filled_) return;
  filled_ = true;
  entries_ = monitor::Chooser_Entries(table_.Drives());
  // The closed box shows the current drive's picture beside its text, as the list
  // does: the combo box paints an item's icon there.
  setIconSize(Drive_Picture(platform::Drive_Type::Removable).size());
  for (const monitor::Chooser_Entry& e : entries_) {
    addItem(QIcon(Drive_Picture(e.type)), QString::fromStdString(e.text));
    setItemData(count() - 1, static_cast<int>(e.type), kTypeRole);
  }
  // Starts at the current directory's drive, if that drive is listed.
  current_.reset();
  const std::optional<std::size_t> here = monitor::Current_Directory_Entry(entries_, table_);
  if (here) current_ = entries_[*here].letter;
  setCurrentIndex(here ? static_cast<int>(*here) : -1);
}

}  // namespace keldra::ui
