// The record form's paths (insert, change, delete, closing a changed form, field
// history), pinned as the sequence of runtime calls, collaborator calls and messages
// they produce over a scripted fake window runtime.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "framework/window_manager/window_manager.h"
#include "tests/framework/window_manager/fake_window_primitives.h"
#include "window/events/event_codes.h"
#include "window/message_box/box_style.h"

namespace qor::fw {
namespace {

using testing::FakeWindowPrimitives;
using Lines = std::vector<std::string>;
namespace ev = win::event;

// A record file and its relation, answering from queues and logging every call into the
// same log as the window runtime.
class FakeRelation : public PrimaryRelation, public RecordFile {
 public:
  explicit FakeRelation(Lines& log) : log_(log) {}
  bool bufferEqualsSnapshot = true;
  std::deque<uint8_t> updates, deletes;
  uint8_t insertResult = 0, afterInsert = 0, cancelInsert = 0;

  void Open() override { Log("open relation"); }
  uint8_t CancelInsert() override { return Log("cancel insert"), cancelInsert; }
  uint8_t Delete(uint8_t ask) override { return Log("delete ask " + std::to_string(ask)), Next(deletes); }
  uint8_t Update(uint8_t flag) override { return Log("update " + std::to_string(flag)), Next(updates); }
  RecordFile& File() override { return *this; }

  void UseFile() override { Log("use file"); }
  bool BufferEqualsSnapshot(uint16_t id) override {
    Log("equals snapshot " + std::to_string(id));
    return bufferEqualsSnapshot;
  }
  uint8_t Insert() override { return Log("insert"), insertResult; }
  uint8_t AfterInsertQuery() override { return afterInsert; }
  uint16_t TakeSnapshot() override {
    Log("take snapshot " + std::to_string(++snapshots_));
    return snapshots_;
  }
  void RestoreSnapshot(uint16_t& id, bool copyBack) override {
    Log((copyBack ? "restore snapshot " : "release snapshot ") + std::to_string(id));
    id = 0;
  }
  std::string CurrentPosition() override { return "17"; }
  void Reposition(std::string_view position) override { Log("reposition " + std::string(position)); }

 private:
  void Log(const std::string& line) { log_.push_back(line); }
  static uint8_t Next(std::deque<uint8_t>& answers) {
    uint8_t answer = answers.empty() ? 0 : answers.front();
    if (!answers.empty()) answers.pop_front();
    return answer;
  }
  Lines& log_;
  uint16_t snapshots_ = 0;
};

// A form procedure: the request and the form's settings are set as a generated
// procedure's Init would set them.
class FormWindow : public WindowManager {
 public:
  explicit FormWindow(FakeWindowPrimitives& fake) : WindowManager(fake) {}
  void Configure(uint8_t request, int32_t okControl, int32_t firstField = 3) {
    request_ = request;
    originalRequest_ = request;
    okControl_ = okControl;
    firstField_ = firstField;
  }
  void SetInsertAction(uint8_t action) { insertAction_ = action; }
  void SetHistoryKey(int32_t key) { historyKey_ = key; }
  uint8_t CallPrepareRequest() { return PrepareRequest(); }
};

class RecordFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.SetMessageRaiser([this](uint16_t id) {
      fake.log.push_back("raise " + std::to_string(id));
      return raiseAnswer;
    });
    window.SetMessageShower([this](uint16_t id, uint32_t, uint32_t) {
      fake.log.push_back("ask " + std::to_string(id));
      uint32_t answer = answers.empty() ? 0 : answers.front();
      if (!answers.empty()) answers.pop_front();
      return answer;
    });
  }
  // Runs the form with its primary relation over the scripted events.
  uint8_t RunForm(uint8_t request, int32_t okControl, std::deque<testing::ScriptedEvent> events) {
    window.Configure(request, okControl);
    window.SetPrimary(&relation);
    window.Init();
    window.Configure(request, okControl);
    window.SetInsertAction(insertAction);
    fake.log.clear();
    window.CallPrepareRequest();
    fake.script = std::move(events);
    window.RunEventLoop();
    window.Shutdown();
    return window.Response() != kResponseNone ? window.Response() : kResponseCancelled;
  }

  FakeWindowPrimitives fake;
  FakeRelation relation{fake.log};
  FormWindow window{fake};
  uint8_t raiseAnswer = 0;
  uint8_t insertAction = 2;
  std::deque<uint32_t> answers;
};

TEST_F(RecordFormTest, AnInsertThatAddsAnotherKeepsTheFirstRecordForTheClose) {
  insertAction = 4;  // ask: message 3 answered 0 (Yes) adds another
  const uint8_t response = RunForm(kRequestInsert, 9, {{ev::Completed}, {ev::CloseWindow}});
  EXPECT_EQ(response, kResponseCompleted);
  EXPECT_EQ(fake.log, (Lines{
                          "use file", "open relation", "take snapshot 1",  // PrepareRequest
                          "accept loop", "event EVENT:Completed", "insert", "raise 3",
                          "restore snapshot 1", "take snapshot 2", "display all", "select 3",
                          "no default action",
                          "event EVENT:CloseWindow", "equals snapshot 2", "cancel insert",
                          "reposition 17", "window closed",
                          "release snapshot 2", "pop scope",
                      }));
}

TEST_F(RecordFormTest, AChangeRetriedAfterAFailedUpdateIsSavedAndCloses) {
  relation.bufferEqualsSnapshot = false;
  relation.updates = {1, 0};
  answers = {win::kButtonYes};
  EXPECT_EQ(RunForm(kRequestChange, 9, {{ev::Completed}}), kResponseCompleted);
  EXPECT_EQ(fake.log, (Lines{
                          "use file", "open relation", "take snapshot 1", "accept loop",
                          "event EVENT:Completed", "wait cursor", "equals snapshot 1", "update 0",
                          "cursor restored", "ask 34", "wait cursor", "equals snapshot 1", "update 0",
                          "cursor restored", "post EVENT:CloseWindow", "event EVENT:CloseWindow",
                          "window closed", "release snapshot 1", "pop scope",
                      }));
}

// A box that could not be shown answers 0, and a button not offered is no answer either:
// both are Cancel, so the form neither retries for ever nor closes.
TEST_F(RecordFormTest, AnUnansweredRetryQuestionStaysInTheForm) {
  for (uint32_t answer : {0u, win::kButtonOk}) {
    fake.log.clear();
    FakeRelation failing{fake.log};
    failing.bufferEqualsSnapshot = false;
    failing.updates = {1};
    answers = {answer};
    window.SetPrimary(&failing);
    window.Configure(kRequestChange, 9);
    ASSERT_EQ(window.HandleCompleted(), kLevelQuiet);
    EXPECT_EQ(fake.log, (Lines{"wait cursor", "equals snapshot 0", "update 0", "cursor restored", "ask 34",
                               "display all", "select 3"}));
  }
  relation.deletes = {7};
  answers = {0};
  window.SetPrimary(&relation);
  window.Configure(kRequestDelete, 9);
  fake.log.clear();
  window.HandleCompleted();
  EXPECT_EQ(fake.log, (Lines{"wait cursor", "delete ask 1", "cursor restored", "ask 33", "display all", "select 3"}));
}

TEST_F(RecordFormTest, AFailedDeleteAnsweredNoClosesCancelled) {
  window.Init();
  relation.deletes = {7};
  answers = {win::kButtonNo};
  window.SetPrimary(&relation);
  window.Configure(kRequestDelete, 9);
  window.HandleCompleted();
  EXPECT_EQ(fake.log.back(), "post EVENT:CloseWindow");
  EXPECT_EQ(window.Response(), kResponseCancelled);
}

// Closing a changed form asks to save; Yes saves through the OK button, or through the
// completion pass when the form has none (posting to control 0 would save nothing).
TEST_F(RecordFormTest, ClosingAChangedFormAsksAndSavesThroughTheOkButtonOrTheCompletionPass) {
  window.Init();
  window.SetPrimary(&relation);
  relation.bufferEqualsSnapshot = false;
  struct Case {
    int32_t okControl;
    uint32_t answer;
    uint8_t result;
    Lines tail;
  } cases[] = {
      {9, win::kButtonYes, kLevelNotify, {"post EVENT:Accepted control 9"}},
      {0, win::kButtonYes, kLevelNotify, {"select 0"}},
      {9, win::kButtonCancel, kLevelNotify, {"select 3"}},
      {9, 0, kLevelNotify, {"select 3"}},
      {9, win::kButtonNo, kLevelQuiet, {}},
  };
  for (const Case& c : cases) {
    window.Configure(kRequestChange, c.okControl);
    fake.log.clear();
    answers = {c.answer};
    EXPECT_EQ(window.HandleCloseRequest(), c.result);
    Lines expected{"equals snapshot 0", "ask 35"};
    expected.insert(expected.end(), c.tail.begin(), c.tail.end());
    EXPECT_EQ(fake.log, expected) << "OK control " << c.okControl << ", answer " << c.answer;
  }
}

TEST_F(RecordFormTest, RequestsWithoutAPrimaryRelationAreRefusedAsInvalid) {
  window.Init();
  const struct {
    uint8_t request;
    const char* message;
  } cases[] = {{kRequestInsert, "raise 20"}, {kRequestChange, "raise 38"}, {kRequestDelete, "raise 12"}};
  for (const auto& c : cases) {
    window.Configure(c.request, 9);
    fake.log.clear();
    EXPECT_EQ(window.CallPrepareRequest(), kLevelFatal);
    EXPECT_EQ(window.HandleCompleted(), kLevelNotify);
    EXPECT_EQ(window.HandleCloseRequest(), kLevelQuiet);
    EXPECT_EQ(fake.log, (Lines{c.message, c.message}));
  }
  window.Configure(kRequestNone, 0);
  EXPECT_EQ(window.CallPrepareRequest(), kLevelQuiet);
}

TEST_F(RecordFormTest, TheHistoryKeyPutsBackWhatTheFieldHeldWhenTheFormLastCompleted) {
  uint8_t variable[4] = {1, 2, 3, 4};
  window.Init();
  window.SetHistoryKey(0x71);
  window.AddHistoryField(12, variable);
  window.AddHistoryField(13, variable);  // the same variable: remembered once
  window.SetAlertKeys();
  window.HandleCompleted();  // a plain window: only the history is taken
  variable[0] = 99;
  fake.SetCurrent({ev::AlertKey, 12, 0x71});
  fake.focus = 12;
  window.HandleEvent();
  EXPECT_EQ(variable[0], 1);
  EXPECT_EQ(fake.log, (Lines{"push scope 0", "alert key 113 on 12", "alert key 113 on 13", "display 12"}));
}

TEST_F(RecordFormTest, ShutdownReleasesTheFormsSnapshotsWithoutCopyingBack) {
  struct LoggingResizer : Resizer {
    Lines* log;
    void Remove() override { log->push_back("resizer removed"); }
  } resizer;
  resizer.log = &fake.log;
  FakeRelation other{fake.log};
  window.Configure(kRequestChange, 9);
  window.SetPrimary(&relation);
  window.SetResizer(&resizer);
  window.Init();
  window.AddFile(other);
  window.CallPrepareRequest();
  fake.log.clear();
  EXPECT_EQ(window.Shutdown(), kLevelQuiet);
  EXPECT_EQ(fake.log, (Lines{"release snapshot 1", "release snapshot 1", "resizer removed", "pop scope"}));
}

}  // namespace
}  // namespace qor::fw
