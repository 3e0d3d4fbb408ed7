#include "ui/qt/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <map>

#include "platform/keldra_error.h"

namespace keldra::ui {
namespace {

using platform::Message_Button;
using platform::Message_Kind;

QMessageBox::Icon Icon_Of(Message_Kind kind) {
  switch (kind) {
    case Message_Kind::Warning: return QMessageBox::Warning;
    case Message_Kind::Error: return QMessageBox::Critical;
    case Message_Kind::Confirm: return QMessageBox::Question;
    case Message_Kind::Information: break;
  }
  return QMessageBox::Information;
}

// The texts carry Windows line breaks; Qt wants plain ones.
QString Display_Text(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\r\n", "\n");
  return s;
}

Message_Button Run_Box(QMessageBox::Icon icon, const QString& title, const QString& text,
                       unsigned buttons, Message_Button default_button,
                       Message_Button escape_button) {
  QMessageBox box(icon, title, text, QMessageBox::NoButton, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  std::map<QAbstractButton*, Message_Button> answers;
  for (Message_Button button :
       {platform::Button_OK, platform::Button_Yes, platform::Button_No, platform::Button_Cancel}) {
    if ((buttons & button) == 0) continue;
    QPushButton* b = box.addButton(platform::Button_Caption(button), QMessageBox::ActionRole);
    answers[b] = button;
    if (button == default_button) box.setDefaultButton(b);
    if (button == escape_button) box.setEscapeButton(b);
  }
  box.exec();
  auto it = answers.find(box.clickedButton());
  return it == answers.end() ? escape_button : it->second;
}

}  // namespace

Message_Button Qt_Message_Boxes::Show_Message(Message_Kind kind, const std::string& text,
                                              unsigned buttons, Message_Button default_button,
                                              Message_Button escape_button) {
  return Run_Box(Icon_Of(kind), platform::Message_Title(kind), Display_Text(text), buttons,
                 default_button, escape_button);
}

void Qt_Message_Boxes::Show_Error(const std::string& application_title,
                                  const std::string& message) {
  Run_Box(QMessageBox::Critical, QString::fromStdString(application_title),
          Display_Text(Standard_Error_Text(message)), platform::Button_OK, platform::Button_OK,
          platform::Button_OK);
}

}  // namespace keldra::ui
