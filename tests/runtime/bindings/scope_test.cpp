// Scopes: PUSHSCOPE and POPSCOPE with heap censuses, lookups through enclosing scopes,
// clearing, error 802, two language threads, and allocation failure.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "os/module.h"
#include "resources/messages/error_messages.h"
#include "tests/runtime/bindings/binding_fixture.h"

namespace qor::rt::testing {
namespace {

class ScopeTest : public BindingTest {};

TEST_F(ScopeTest, PopScopeFreesTheScopesNamesAndBringsBackTheOuterOnes) {
  int32_t outer = 0, inner = 0;
  BindName("X", LongRef(&outer));
  size_t beforePush = BlocksInUse();

  PushScope(0);
  EXPECT_EQ(InspectBindings().records, 0u) << "a scope starts without a tree";
  BindName("X", LongRef(&inner));
  BindName("Y", LongRef(&inner));
  EXPECT_EQ(Bound("x")->address, &inner);
  PopScope();

  EXPECT_EQ(BlocksInUse(), beforePush);
  EXPECT_EQ(Bound("x")->address, &outer);
  EXPECT_FALSE(LookUpName("Y"));
  EXPECT_EQ(InspectBindings().scopes, 0u);
}

TEST_F(ScopeTest, LookupsSeeThroughScopesPushedWithArgumentZeroOnly) {
  int32_t a = 0, b = 0, c = 0;
  BindName("A", LongRef(&a));
  PushScope(0);
  BindName("B", LongRef(&b));
  EXPECT_EQ(Bound("A")->address, &a);

  PushScope(1);
  BindName("C", LongRef(&c));
  EXPECT_EQ(Bound("C")->address, &c);
  EXPECT_EQ(Bound("B"), nullptr) << "scope pushed with 1 hides the enclosing names";
  EXPECT_EQ(Bound("A"), nullptr);
  EXPECT_TRUE(LookUpName("LEN")) << "built-ins stay visible";

  PushScope(0);
  EXPECT_EQ(Bound("C")->address, &c) << "sees one scope out";
  EXPECT_EQ(Bound("B"), nullptr) << "but stops at the scope pushed with 1";
  PopScope();
  PopScope();
  EXPECT_EQ(Bound("A")->address, &a);
  PopScope();
}

TEST_F(ScopeTest, ClearBindingsUnwindsEveryScopeStillPushed) {
  size_t empty = BlocksInUse();
  int32_t v = 0;
  BindName("OUTER", LongRef(&v));
  for (int i = 0; i < 3; ++i) {
    PushScope(i);
    BindName("INNER", LongRef(&v));
  }
  EXPECT_EQ(InspectBindings().scopes, 3u);
  ClearBindings();
  EXPECT_EQ(InspectBindings().scopes, 0u);
  EXPECT_EQ(InspectBindings().records, 0u);
  EXPECT_EQ(BlocksInUse(), empty);
  EXPECT_FALSE(LookUpName("OUTER"));
}

class ScopeDeathTest : public BindingTest {
 protected:
  void SetUp() override {
    BindingTest::SetUp();
    res::RegisterErrorMessages(os::ExecutableModule());
  }
};

TEST_F(ScopeDeathTest, PopScopeWithoutAPushedScopeEndsTheProgramWith802) {
  EXPECT_EXIT(PopScope(), ::testing::ExitedWithCode(2),
              "^Runtime error: Mismatched PUSHSCOPE/POPSCOPE : Mismatched POPSCOPE\n$");
}

TEST_F(ScopeDeathTest, SecondPopAfterOnePushIs802) {
  EXPECT_EXIT(
      {
        PushScope(0);
        PopScope();
        PopScope();
      },
      ::testing::ExitedWithCode(2), "Mismatched POPSCOPE");
}

// Two real threads take turns, as language threads do under the global lock; each
// hands its bindings over at the switch and finds only its own names.
TEST_F(ScopeTest, EachThreadKeepsItsOwnBindingsAcrossSwitches) {
  std::mutex mutex;
  std::condition_variable turnChanged;
  int turn = 0;
  SavedBindings parked[2];
  auto switchTo = [&](int self, int other) {
    std::unique_lock lock(mutex);
    parked[self] = TakeBindings();
    turn = other;
    turnChanged.notify_all();
    turnChanged.wait(lock, [&] { return turn == self; });
    PutBindings(parked[self]);
  };
  auto waitFirstTurn = [&](int self) {
    std::unique_lock lock(mutex);
    turnChanged.wait(lock, [&] { return turn == self; });
  };
  int32_t a = 0, b = 0;
  std::vector<std::string> log[2];
  std::thread first([&] {
    waitFirstTurn(0);
    BindName("MINE", LongRef(&a));
    PushScope(0);
    switchTo(0, 1);
    log[0].push_back(Bound("MINE") && Bound("MINE")->address == &a ? "a" : "-");
    log[0].push_back(Bound("THEIRS") ? "theirs" : "-");
    PopScope();
    ClearBindings();
    std::unique_lock lock(mutex);
    turn = 1;
    turnChanged.notify_all();
  });
  std::thread second([&] {
    waitFirstTurn(1);
    log[1].push_back(Bound("MINE") ? "mine" : "-");
    BindName("THEIRS", LongRef(&b));
    BindName("MINE", LongRef(&b));
    switchTo(1, 0);
    log[1].push_back(Bound("MINE")->address == &b ? "b" : "-");
    ClearBindings();
  });
  first.join();
  second.join();
  EXPECT_EQ(log[0], (std::vector<std::string>{"a", "-"}));
  EXPECT_EQ(log[1], (std::vector<std::string>{"-", "b"}));
}

}  // namespace
}  // namespace qor::rt::testing
