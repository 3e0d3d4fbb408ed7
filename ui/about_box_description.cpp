#include "ui/about_box_description.h"

namespace keldra::ui {
namespace {

const Font_Description kBody{Times_New_Roman, 15};
const Font_Description kBold{Times_New_Roman, 15, true};
const Font_Description kLink{Times_New_Roman, 16, true, true};
constexpr std::uint32_t kLinkBlue = 0x0000FF;

Control_Description In(const char* group, Control_Kind kind, const char* name, Box box,
                       const char* text = "") {
  Control_Description c;
  c.kind = kind;
  c.name = name;
  c.parent = group;
  c.box = box;
  c.text = text;
  return c;
}

Control_Description Clickable(Control_Description c, int command) {
  c.click = command;
  c.hand_cursor = true;
  return c;
}

Window_Description Make() {
  Window_Description w;
  w.name = "AboutBox";
  w.class_name = "TAboutBox";
  w.caption = "??";  // the behaviour gives it its caption
  w.client_width = 622;
  w.client_height = 411;
  w.font = kBody;
  w.frame_kind = Frame_Kind::Dialog_Without_Icons;
  w.centring = Centring::Every_Show;
  w.escape_command = About_OK;  // Escape acts exactly as OK
  auto& c = w.controls;

  c.push_back(In("", Control_Kind::Group, about_box_names::GroupBox2, {3, -4, 615, 77}));
  c.push_back(Clickable(In(about_box_names::GroupBox2, Control_Kind::Picture,
                           about_box_names::Vantrel_Logo_Banner_Image, {2, 8, 611, 67}, "BANNER"),
                        About_Web));

  const char* body = about_box_names::GroupBox1;
  c.push_back(In("", Control_Kind::Group, body, {3, 70, 615, 341}));
  Control_Description bevel1 =
      In(body, Control_Kind::Raised_Frame, about_box_names::Bevel1, {5, 14, 184, 167});
  bevel1.hand_cursor = true;
  c.push_back(bevel1);
  c.push_back(Clickable(In(body, Control_Kind::Animated_Picture,
                           about_box_names::Vantrel_Logo_GIFImage, {12, 16, 173, 165}, "LOGO"),
                        About_Web));
  Control_Description quote =
      In(body, Control_Kind::Label, about_box_names::Quote_From_Vantrel_Label, {8, 184, 181, 119},
         about_box_names::Quote_From_Vantrel_Label);
  quote.align = Text_Align::Centre;
  quote.word_wrap = true;
  quote.top_aligned = true;
  c.push_back(quote);
  Control_Description product = In(body, Control_Kind::Label, about_box_names::Product_Name_Label,
                                   {205, 15, 400, 18}, about_box_names::Product_Name_Label);
  product.font = kBold;
  c.push_back(product);
  Control_Description author =
      In(body, Control_Kind::Label, about_box_names::Author_and_Date_Label, {205, 44, 400, 18});
  author.font = kBold;
  c.push_back(author);
  Control_Description tools =
      In(body, Control_Kind::Label, about_box_names::Developed_Using_Label, {205, 73, 400, 18});
  tools.word_wrap = true;
  c.push_back(tools);
  c.push_back(In(body, Control_Kind::Label, about_box_names::Copyright_Label, {205, 102, 400, 18}));
  Control_Description donation = Clickable(
      In(body, Control_Kind::Label, about_box_names::PayPal_Donations_Label, {206, 157, 312, 63},
         "Please support my efforts and encourage me to keep developing useful software by "
         "making a PayPal donation."),
      About_Donation);
  donation.font = {Times_New_Roman, 16, false, true};
  donation.align = Text_Align::Centre;
  donation.word_wrap = true;
  donation.text_colour = Exact(kLinkBlue);
  c.push_back(donation);
  c.push_back(Clickable(
      In(body, Control_Kind::Picture, about_box_names::PayPal_Image, {532, 166, 62, 31}, "PAYPAL"),
      About_Donation));
  for (const char* name : {about_box_names::Comments_Label, about_box_names::WEB_Page_Label}) {
    Control_Description lead_in =
        In(body, Control_Kind::Label, name, {205, name[0] == 'C' ? 230 : 259, 225, 18});
    lead_in.align = Text_Align::Right;
    c.push_back(lead_in);
  }
  Control_Description email = Clickable(
      In(body, Control_Kind::Label, about_box_names::Email_Address_Label, {446, 216, 160, 20}),
      About_Email);
  Control_Description web = Clickable(
      In(body, Control_Kind::Label, about_box_names::WEB_Address_Label, {447, 250, 160, 20}),
      About_Web);
  for (Control_Description* link : {&email, &web}) {
    link->font = kLink;
    link->auto_size = true;  // fitted to the address it is given
    link->text_colour = Exact(kLinkBlue);
    c.push_back(*link);
  }
  Control_Description email_button =
      In(body, Control_Kind::Button, about_box_names::Email_Button, {438, 228, 169, 23});
  email_button.click = About_Email;
  c.push_back(email_button);
  Control_Description web_button =
      In(body, Control_Kind::Button, about_box_names::WEB_Button, {438, 257, 169, 23});
  web_button.click = About_Web;
  c.push_back(web_button);
  Control_Description donation_address =
      In(body, Control_Kind::Label, about_box_names::PayPal_WEB_Address_Label, {0, 0, 1, 1});
  donation_address.visible = false;
  c.push_back(donation_address);
  Control_Description label3 = In(body, Control_Kind::Label, about_box_names::Label3,
                                  {23, 308, 150, 18}, "Free System Resources :");
  label3.auto_size = true;
  c.push_back(label3);
  Control_Description resources =
      In(body, Control_Kind::Label, about_box_names::Free_Resources_Label, {179, 308, 60, 18},
         "Free %");
  resources.auto_size = true;
  c.push_back(resources);
  Control_Description ok =
      In(body, Control_Kind::Button, about_box_names::OKButton, {257, 288, 100, 48}, "OK");
  ok.font = {Times_New_Roman, 19, true};
  ok.is_default = true;
  ok.click = About_OK;
  c.push_back(ok);
  Control_Description bevel3 =
      In(body, Control_Kind::Raised_Frame, about_box_names::Bevel3, {448, 288, 157, 48});
  bevel3.hand_cursor = true;
  c.push_back(bevel3);
  Control_Description badge = Clickable(
      In(body, Control_Kind::Picture, about_box_names::Badge_Logo, {452, 292, 149, 41}, "BADGE"),
      About_Web);
  badge.hint = "Hey, don't poke me there !!";
  badge.show_hint = true;
  c.push_back(badge);
  Control_Description slogan = Clickable(In(body, Control_Kind::Label, about_box_names::Badge_Label,
                                            {458, 296, 98, 32}, "Full of free space"),
                                         About_Web);
  slogan.font = {Arial, 13};
  slogan.align = Text_Align::Centre;
  slogan.word_wrap = true;
  slogan.text_colour = System(Colour_Role::Highlight_Text);
  c.push_back(slogan);
  Control_Description quotes = In(body, Control_Kind::Hidden_List,
                                  about_box_names::Quotes_From_Vantrel_ListBox, {0, 0, 1, 1});
  quotes.visible = false;
  c.push_back(quotes);

  // Both run only while the box is on screen.
  w.timers = {{about_box_names::Quote_Change_Timer, 10000, false, About_Quote_Timer},
              {about_box_names::Free_Resources_Timer, 500, false, About_Resources_Timer}};
  return w;
}

}  // namespace

const Window_Description& About_Box_Description() {
  static const Window_Description description = Make();
  return description;
}

std::string About_Field_Control(About_Field field) {
  switch (field) {
    case About_Field::Caption: break;
    case About_Field::Product_Name: return about_box_names::Product_Name_Label;
    case About_Field::Author_and_Date: return about_box_names::Author_and_Date_Label;
    case About_Field::Developed_Using: return about_box_names::Developed_Using_Label;
    case About_Field::Copyright: return about_box_names::Copyright_Label;
    case About_Field::Comments_Lead_In: return about_box_names::Comments_Label;
    case About_Field::Web_Page_Lead_In: return about_box_names::WEB_Page_Label;
    case About_Field::Email_Address: return about_box_names::Email_Button;
    case About_Field::Web_Address: return about_box_names::WEB_Button;
    case About_Field::Donation_Address: return about_box_names::PayPal_WEB_Address_Label;
    case About_Field::Quote: return about_box_names::Quote_From_Vantrel_Label;
    case About_Field::Free_Resources: return about_box_names::Free_Resources_Label;
  }
  return std::string();
}

}  // namespace keldra::ui
