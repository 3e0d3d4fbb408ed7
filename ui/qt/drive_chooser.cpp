#include "ui/qt/drive_chooser.h"

#include <QAbstractItemView>
#include <QIcon>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>

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

Drive_Chooser::Drive_Chooser(std::function<void(std::size_t)> on_pick, QWidget* parent)
    : QComboBox(parent) {
  setEditable(false);
  auto* delegate = new Drive_Item_Delegate(this, this);
  setItemDelegate(delegate);
  view()->setItemDelegate(delegate);
  // The closed box shows the current drive's picture beside its text, as the list
  // does: the combo box paints an item's icon there.
  setIconSize(Drive_Picture(platform::Drive_Type::Removable).size());
  connect(this, QOverload<int>::of(&QComboBox::activated), this, [on_pick](int i) {
    if (i >= 0) on_pick(static_cast<std::size_t>(i));
  });
}

int Drive_Chooser::Item_Height() const {
  return std::max(fontMetrics().height(), Drive_Picture(platform::Drive_Type::Removable).height());
}

std::optional<char> Drive_Chooser::Current_Drive() const {
  const int i = currentIndex();
  if (i < 0 || static_cast<std::size_t>(i) >= entries_.size()) return std::nullopt;
  return entries_[static_cast<std::size_t>(i)].letter;
}

void Drive_Chooser::Show(const std::vector<monitor::Chooser_Entry>& entries,
                         std::optional<std::size_t> current) {
  const QSignalBlocker quiet(this);  // told, not picked
  entries_ = entries;
  clear();
  for (const monitor::Chooser_Entry& e : entries_) {
    addItem(QIcon(Drive_Picture(e.type)), QString::fromStdString(e.text));
    setItemData(count() - 1, static_cast<int>(e.type), kTypeRole);
  }
  setCurrentIndex(current ? static_cast<int>(*current) : -1);
}

}  // namespace keldra::ui
