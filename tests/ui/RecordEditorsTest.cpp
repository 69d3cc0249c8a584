#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "api/RecordList.h"
#include "net/HttpRequest.h"
#include "tests/support/LateBody.h"
#include "tests/ui/RecordsFixture.h"
#include "ui/AddRecordWindow.h"
#include "ui/ModifyRecordWindow.h"
#include "ui/toolkit/ComboBox.h"
#include "ui/toolkit/IntegerEdit.h"

namespace zonivo {
namespace {

using sandbox::Reply;
using test::ShownDialog;
using test::U;
using Dialogs = std::vector<ShownDialog>;

template <typename W>
W* Child(QWidget* window, const char* name) {
  W* found = window->findChild<W*>(U(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

// Picks `item` as a user does, so that the list reports the choice.
void Pick(ComboBox* combo, const char* item) {
  const int index = combo->findText(U(item));
  ASSERT_GE(index, 0) << item;
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

void LoseFocus(QWidget* widget) {
  QFocusEvent out(QEvent::FocusOut);
  QCoreApplication::sendEvent(widget, &out);
}

// The fields of one request as the stand-in received them.
std::vector<std::string> RecordFieldsOf(const sandbox::ReceivedRequest& r) {
  return {r.Field("sub_domain"), r.Field("record_type"), r.Field("record_line"),
          r.Field("value"),      r.Field("mx"),          r.Field("ttl")};
}

class RecordEditorsTest : public test::RecordsFixture {
 protected:
  template <typename W>
  W* OpenEditor(int row, const char* item) {
    if (!Choose(row, item)) return nullptr;
    return window_->findChild<W*>();
  }
  AddRecordWindow* OpenAdd() { return OpenEditor<AddRecordWindow>(-1, "添加记录"); }
  ModifyRecordWindow* OpenModify(int row) {
    return OpenEditor<ModifyRecordWindow>(row, "修改记录");
  }
  static QString Field(QWidget* editor, const char* name) {
    return Child<QLineEdit>(editor, name)->text();
  }
  static QString Chosen(QWidget* editor, const char* name) {
    return Child<ComboBox>(editor, name)->currentText();
  }
  // Clicks 确定 and lets the editor close.
  void Confirm(QWidget* editor) {
    const QPointer<QWidget> guard(editor);
    QTest::mouseClick(Child<QWidget>(editor, "按钮_确定"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull()) << "the editor stays open";
  }
};

TEST_F(RecordEditorsTest, LayoutFollowsTheWindowDefinition) {
  Open();
  struct Place {
    const char* name;
    QRect geometry;
  };
  const Place common[] = {
      {"外形框_添加记录", {2, 2, 442, 62}},   {"标签_主机名", {14, 8, 48, 24}},
      {"标签_线路", {85, 8, 48, 24}},         {"标签_记录值", {173, 8, 48, 24}},
      {"标签_记录类型", {257, 8, 56, 24}},    {"标签_MX优先级", {323, 8, 64, 24}},
      {"标签_TTL", {391, 8, 40, 24}},         {"编辑框_主机名", {8, 32, 60, 20}},
      {"编辑框_记录值", {150, 32, 96, 20}},   {"组合框_记录类型", {251, 32, 72, 21}},
      {"编辑框_MX优先级", {327, 32, 57, 20}}, {"编辑框_TTL", {390, 32, 44, 20}},
      {"按钮_确定", {136, 70, 76, 26}},       {"按钮_取消", {240, 70, 76, 26}},
  };
  struct Editor {
    RecordEditorWindow* window;
    const char* caption;
    int lineX;
  };
  for (const Editor& e :
       {Editor{OpenAdd(), "添加记录", 74}, Editor{OpenModify(0), "修改记录", 72}}) {
    ASSERT_NE(e.window, nullptr);
    EXPECT_EQ(e.window->windowTitle(), U(e.caption));
    EXPECT_EQ(e.window->OuterSize(), QSize(452, 128));
    EXPECT_EQ(e.window->windowModality(), Qt::NonModal);
    EXPECT_EQ(e.window->palette().color(QPalette::Window), QColor(0, 136, 255));
    for (const Place& p : common)
      EXPECT_EQ(Child<QWidget>(e.window, p.name)->geometry(), p.geometry) << p.name;
    EXPECT_EQ(Child<QWidget>(e.window, "组合框_线路")->geometry(), QRect(e.lineX, 32, 72, 21));
    EXPECT_EQ(Child<QLabel>(e.window, "标签_MX优先级")->text(), U("MX优先级"));
  }
}

TEST_F(RecordEditorsTest, DropDownListsHoldTheirItemsInTealOnWhite) {
  Open();
  AddRecordWindow* add = OpenAdd();
  ASSERT_NE(add, nullptr);
  const auto items = [](ComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    return texts;
  };
  auto* types = Child<ComboBox>(add, "组合框_记录类型");
  auto* lines = Child<ComboBox>(add, "组合框_线路");
  EXPECT_EQ(items(types), test::Items({"A", "CNAME", "MX", "URL", "NS", "TXT", "AAAA"}));
  EXPECT_EQ(items(lines), test::Items({"默认", "电信", "联通", "教育网", "搜索引擎", "移动", "铁通",
                                       "国外", "百度", "Google", "有道", "必应", "搜搜", "搜狗"}));
  EXPECT_FALSE(types->isEditable());
  // Under Fusion a list that takes no typing paints its face with the button
  // colours: the face must come out white, the text teal.
  EXPECT_EQ(types->palette().color(QPalette::Button), QColor(Qt::white));
  EXPECT_EQ(types->palette().color(QPalette::ButtonText), QColor(0, 128, 128));
  const QImage face = types->grab().toImage();
  const QColor inside = face.pixelColor(face.width() / 2, 3);
  EXPECT_GT(std::min({inside.red(), inside.green(), inside.blue()}), 225)
      << inside.name().toStdString();
}

TEST_F(RecordEditorsTest, ANewAddWindowSendsItsStartingValues) {
  Open();
  AddRecordWindow* add = OpenAdd();
  ASSERT_NE(add, nullptr);
  EXPECT_EQ(State().addDomainId, domain_);
  EXPECT_EQ(Chosen(add, "组合框_记录类型"), U("A"));
  EXPECT_EQ(Chosen(add, "组合框_线路"), U("默认"));
  EXPECT_EQ(Field(add, "编辑框_MX优先级"), U("0"));
  EXPECT_EQ(Field(add, "编辑框_TTL"), U("600"));
  EXPECT_TRUE(Field(add, "编辑框_主机名").isEmpty());
  EXPECT_TRUE(Field(add, "编辑框_记录值").isEmpty());
  Paths();
  Confirm(add);
  const auto requests = env_.service().Requests();
  ASSERT_EQ(requests.size(), 1u);  // refused: no refresh
  EXPECT_EQ(requests[0].path, "/Record.Create");
  EXPECT_EQ(requests[0].Field("domain_id"), domain_);
  EXPECT_EQ(RecordFieldsOf(requests[0]),
            (std::vector<std::string>{"", "A", "默认", "", "0", "600"}));
  EXPECT_EQ(dialogs_.Shown(), (Dialogs{{"记录值错误", 64, "信息"}}));
}

TEST_F(RecordEditorsTest, AddingARecordShowsItInTheList) {
  Open();
  AddRecordWindow* add = OpenAdd();
  ASSERT_NE(add, nullptr);
  Child<QLineEdit>(add, "编辑框_主机名")->setText(QStringLiteral("ftp"));
  Pick(Child<ComboBox>(add, "组合框_线路"), "联通");
  Child<QLineEdit>(add, "编辑框_记录值")->setText(QStringLiteral("9.9.9.9"));
  Paths();
  Confirm(add);
  EXPECT_EQ(dialogs_.Shown(), (Dialogs{{"添加记录成功", 64, "信息"}}));
  EXPECT_EQ(Paths(), (std::vector<std::string>{"/Record.Create", "/Record.List"}));
  EXPECT_EQ(Column(kRecordName), (std::vector<std::string>{"www", "ftp", "", "mail"}));
  EXPECT_EQ(Column(kRecordLine)[1], "联通");
}

TEST_F(RecordEditorsTest, OnlyTheUsersChoiceOfTypeSetsTheMxDefault) {
  Open();
  AddRecordWindow* add = OpenAdd();
  ASSERT_NE(add, nullptr);
  auto* type = Child<ComboBox>(add, "组合框_记录类型");
  auto* mx = Child<QLineEdit>(add, "编辑框_MX优先级");
  mx->setText(QStringLiteral("5"));
  type->ComboSelectText("MX");  // the program's selection raises nothing
  EXPECT_EQ(mx->text(), U("5"));
  struct Step {
    const char* type;
    const char* mx;
  };
  for (const Step& s : {Step{"MX", "1"}, Step{"A", "0"}, Step{"MX", "1"}, Step{"AAAA", "0"}}) {
    Pick(type, s.type);
    EXPECT_EQ(mx->text(), U(s.mx)) << s.type;
  }
}

TEST_F(RecordEditorsTest, TheModifyWindowIsFilledFromItsRow) {
  Open();
  ModifyRecordWindow* modify = OpenModify(2);  // mail, MX 10
  ASSERT_NE(modify, nullptr);
  EXPECT_EQ(Field(modify, "编辑框_主机名"), U("mail"));
  EXPECT_EQ(Chosen(modify, "组合框_线路"), U("默认"));
  EXPECT_EQ(Field(modify, "编辑框_记录值"), U("mx.例子.com"));
  EXPECT_EQ(Chosen(modify, "组合框_记录类型"), U("MX"));
  EXPECT_EQ(Field(modify, "编辑框_MX优先级"), U("10"));
  EXPECT_EQ(Field(modify, "编辑框_TTL"), U("600"));
  Pick(Child<ComboBox>(modify, "组合框_记录类型"), "A");
  EXPECT_EQ(Field(modify, "编辑框_MX优先级"), U("0"));
  Pick(Child<ComboBox>(modify, "组合框_记录类型"), "MX");
  EXPECT_EQ(Field(modify, "编辑框_MX优先级"), U("1"));
}

TEST_F(RecordEditorsTest, ATypeOrLineThatBeginsNoItemLeavesItemZero) {
  env_.service().AddRecord(domain_, {.name = "srv", .line = "海外", .type = "SRV", .value = "x"});
  Open();
  ModifyRecordWindow* modify = OpenModify(1);  // the newest record comes right after the first
  ASSERT_NE(modify, nullptr);
  EXPECT_EQ(Field(modify, "编辑框_主机名"), U("srv"));
  EXPECT_EQ(Chosen(modify, "组合框_记录类型"), U("A"));
  EXPECT_EQ(Chosen(modify, "组合框_线路"), U("默认"));
  Paths();
  Confirm(modify);
  const auto requests = env_.service().Requests();
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests[0].Field("record_type"), "A");
  EXPECT_EQ(requests[0].Field("record_line"), "默认");
  EXPECT_EQ(dialogs_.Shown(), (Dialogs{{"修改记录成功", 64, "信息"}}));
}

TEST(IntegerEditTest, NormalisesAsASigned32BitNumber) {
  const std::pair<const char*, const char*> cases[] = {
      {"42", "42"},
      {"  42", "42"},
      {"12ab", "12"},
      {"0", ""},
      {"-0", ""},
      {"-", ""},
      {"", ""},
      {"abc", ""},
      {"+7", "7"},
      {"007", "7"},
      {"-15", "-15"},
      {"12345678901", "2147483647"},
      {"2147483648", "2147483647"},
      {"-2147483648", "-2147483648"},
      {"-99999999999", "-2147483648"},
      {"99999999999999999999999", "2147483647"},
      {"1-2", "1"},
      {"\t\n9", "9"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(NormalisedInteger(in), out) << in;
}

TEST(IntegerEditTest, TakesDigitsFromTheKeyboardAndNormalisesOnFocusOut) {
  IntegerEdit edit(nullptr);
  edit.show();
  QTest::keyClicks(&edit, QStringLiteral("1a2-b3"));
  EXPECT_EQ(edit.text(), QStringLiteral("12-3"));
  QTest::keyClick(&edit, Qt::Key_Backspace);
  EXPECT_EQ(edit.text(), QStringLiteral("12-"));
  QGuiApplication::clipboard()->setText(QStringLiteral("ab"));
  QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);  // a paste is taken as it is
  EXPECT_EQ(edit.text(), QStringLiteral("12-ab"));
  LoseFocus(&edit);
  EXPECT_EQ(edit.text(), QStringLiteral("12"));
  edit.setText(QStringLiteral(" 7"));  // set by the program: kept until the focus goes
  EXPECT_EQ(edit.text(), QStringLiteral(" 7"));
  edit.setText(QStringLiteral("7"));
  QSignalSpy changed(&edit, &QLineEdit::textChanged);
  LoseFocus(&edit);
  EXPECT_EQ(changed.count(), 0);  // already normal: left alone
}

TEST_F(RecordEditorsTest, AnEmptiedMxBoxIsSentEmpty) {
  Open();
  AddRecordWindow* add = OpenAdd();
  ASSERT_NE(add, nullptr);
  auto* mx = Child<QLineEdit>(add, "编辑框_MX优先级");
  mx->setText(QStringLiteral("-0"));
  LoseFocus(mx);
  EXPECT_TRUE(mx->text().isEmpty());
  Child<QLineEdit>(add, "编辑框_记录值")->setText(QStringLiteral("1.2.3.4"));
  Paths();
  Confirm(add);
  EXPECT_NE(env_.service().Requests()[0].body.find("&mx=&ttl=600"), std::string::npos);
}

TEST_F(RecordEditorsTest, OutcomesOfTheConfirmation) {
  struct Case {
    const char* name;
    bool modify;
    std::vector<Reply> replies;
    Dialogs shown;
    std::vector<std::string> paths;
    bool credentialsKept;
  };
  const Case cases[] = {
      {"AddRefused",
       false,
       {Reply::Code("13")},
       {{"记录重复或者和 CNAME 记录冲突", 64, "信息"}},
       {"/Record.Create"},
       true},
      {"AddWhoseRefreshFails",
       false,
       {Reply::Code("1"), Reply::Body("")},
       {{"添加记录成功", 64, "信息"}, {"获取记录列表失败", 64, "信息"}},
       {"/Record.Create", "/Record.List"},
       true},
      {"AddRejected",
       false,
       {Reply::Code("-1")},
       {{"账号验证失败", 64, "信息"}},
       {"/Record.Create"},
       true},
      {"ModifyRejected",
       true,
       {Reply::Code("-1")},
       {{"账号验证失败", 64, "信息"}},
       {"/Record.Modify"},
       false},
      {"ModifyNoAnswer",
       true,
       {Reply::Body("")},
       {{"连接服务器失败", 64, "信息"}},
       {"/Record.Modify"},
       true},
  };
  Open();
  for (const Case& c : cases) {
    env_.SignIn();
    ASSERT_TRUE(window_->RefreshRecords(domain_));  // a failed refresh before emptied the list
    RecordEditorWindow* editor = c.modify ? static_cast<RecordEditorWindow*>(OpenModify(0))
                                          : static_cast<RecordEditorWindow*>(OpenAdd());
    ASSERT_NE(editor, nullptr) << c.name;
    Paths();
    dialogs_.ClearShown();
    for (const Reply& r : c.replies) env_.service().ReplyNext(r);
    Confirm(editor);
    EXPECT_EQ(dialogs_.Shown(), c.shown) << c.name;
    EXPECT_EQ(Paths(), c.paths) << c.name;
    EXPECT_EQ(!State().account.empty(), c.credentialsKept) << c.name;
  }
}

TEST_F(RecordEditorsTest, ChoosingAnotherRowRefillsTheOpenModifyWindow) {
  Open();
  ModifyRecordWindow* modify = OpenModify(0);
  ASSERT_NE(modify, nullptr);
  EXPECT_EQ(OpenModify(2), modify);  // the same window, now for row 2
  EXPECT_EQ(window_->findChildren<ModifyRecordWindow*>().size(), 1);
  EXPECT_EQ(Field(modify, "编辑框_主机名"), U("mail"));
  EXPECT_EQ(Chosen(modify, "组合框_记录类型"), U("MX"));
  Paths();
  Confirm(modify);
  const sandbox::ReceivedRequest sent = env_.service().Requests()[0];
  EXPECT_EQ(sent.Field("record_id"), "102");
  EXPECT_EQ(RecordFieldsOf(sent),
            (std::vector<std::string>{"mail", "MX", "默认", "mx.例子.com", "10", "600"}));
}

TEST_F(RecordEditorsTest, ChoosingAnEditorWhileOneConfirmsOpensANewOne) {
  Open();
  ModifyRecordWindow* first = OpenModify(0);
  ASSERT_NE(first, nullptr);
  CurrentHttpTransport().makeComponent = [] { return std::make_unique<test::LateBody>(); };
  QPointer<ModifyRecordWindow> second;
  Paths();
  {
    const test::AtNextPass reopen([&] {
      Choose(2, "修改记录");
      for (ModifyRecordWindow* w : window_->findChildren<ModifyRecordWindow*>())
        if (w != first) second = w;
    });
    QTest::mouseClick(Child<QWidget>(first, "按钮_确定"), Qt::LeftButton);
  }
  ASSERT_FALSE(second.isNull());
  EXPECT_TRUE(second->isVisible());
  EXPECT_EQ(Field(second, "编辑框_主机名"), U("mail"));
  const auto requests = env_.service().Requests();
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests[0].Field("record_id"), "101");
  EXPECT_EQ(requests[0].Field("sub_domain"), "www");
}

TEST_F(RecordEditorsTest, ARefreshMeanwhileDoesNotChangeWhatTheModifyWindowSends) {
  Open();
  ModifyRecordWindow* modify = OpenModify(1);  // record 103
  ASSERT_NE(modify, nullptr);
  env_.service().AddRecord(domain_, {.name = "new", .value = "5.5.5.5"});
  ASSERT_TRUE(window_->RefreshRecords(domain_));
  EXPECT_EQ(Column(kRecordId)[1], "104");  // row 1 now holds another record
  Paths();
  Confirm(modify);
  EXPECT_EQ(env_.service().Requests()[0].Field("record_id"), "103");
  EXPECT_EQ(env_.service().Requests()[0].Field("record_line"), "电信");
}

// Takes the place of the network and keeps the body of every request; each is
// answered with the success code. (The stand-in, built on Debian's
// cpp-httplib, refuses forms over 8 KiB.)
class KeptBodies final : public HttpComponent {
 public:
  explicit KeptBodies(std::vector<std::string>& bodies) : bodies_(bodies) {}
  void SetProxy(const std::string&) override {}
  void SetProxyCredentials(const std::string&, const std::string&) override {}
  void Open(const std::string&, const std::string&) override {}
  void SetHeader(const std::string&, const std::string&) override {}
  void Send(const std::string& body) override { bodies_.push_back(body); }
  Bytes ReadBody() override {
    const std::string answer = "<code>1</code>";
    return Bytes(answer.begin(), answer.end());
  }

 private:
  std::vector<std::string>& bodies_;
};

TEST_F(RecordEditorsTest, ALongValueFromItsRowIsSentWhole) {
  const std::string value(40000, 'v');
  env_.service().AddRecord(domain_, {.name = "txt", .type = "TXT", .value = value});
  Open();
  ModifyRecordWindow* modify = OpenModify(1);
  ASSERT_NE(modify, nullptr);
  EXPECT_EQ(Field(modify, "编辑框_记录值").size(), 40000);
  std::vector<std::string> bodies;
  CurrentHttpTransport().makeComponent = [&bodies] { return std::make_unique<KeptBodies>(bodies); };
  Confirm(modify);
  ASSERT_FALSE(bodies.empty());
  EXPECT_NE(bodies[0].find("&value=" + value + "&mx="), std::string::npos);
}

TEST_F(RecordEditorsTest, ClosingTheRecordsWindowWhileAnEditorWaitsDropsTheResult) {
  Open();
  ModifyRecordWindow* modify = OpenModify(0);
  ASSERT_NE(modify, nullptr);
  const QPointer<ModifyRecordWindow> editor(modify);
  CurrentHttpTransport().makeComponent = [] { return std::make_unique<test::LateBody>(); };
  Paths();
  {
    const test::AtNextPass closing(test::CloseRecordsWindow);
    QTest::mouseClick(Child<QWidget>(modify, "按钮_确定"), Qt::LeftButton);
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(editor.isNull());
  EXPECT_TRUE(window_.isNull());
  EXPECT_TRUE(dialogs_.Shown().empty());
  EXPECT_EQ(Paths(), std::vector<std::string>{"/Record.Modify"});
}

TEST_F(RecordEditorsTest, CancelAndTheCloseBoxSendNothing) {
  Open();
  Paths();
  AddRecordWindow* add = OpenAdd();
  ASSERT_NE(add, nullptr);
  const QPointer<QWidget> first(add);
  QTest::mouseClick(Child<QWidget>(add, "按钮_取消"), Qt::LeftButton);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  ModifyRecordWindow* modify = OpenModify(0);
  ASSERT_NE(modify, nullptr);
  modify->close();
  EXPECT_TRUE(Paths().empty());
  EXPECT_TRUE(dialogs_.Shown().empty());
}

}  // namespace
}  // namespace zonivo
