#include "ui/screen.hpp"

#include <gtest/gtest.h>

#include "engine/message_line.hpp"
#include "support/game_fixture.hpp"

namespace zaldrun {
namespace {

using testing::GameFixture;

TEST(Screen, ACloseRequestDuringAnActionWaitsUntilTheGameIsIdle) {
  GameFixture fixture({"AAAA", "A@CA", "AAAA"});
  Game& game = fixture.game();
  fixture.frontend().PushClose();
  ASSERT_TRUE(
      fixture.Keys("{Space}").Act([](Game& g) { ShowMessage(g, "Стой!", msg::kAcknowledge); }));
  EXPECT_EQ(game.view.message_line, "") << "the wait ended with Space, not with the close request";
  // The held-back request comes at the next idle key, ahead of any other key.
  fixture.Keys("{Right}");
  platform::HeadlessFrontend& frontend = fixture.frontend();
  Screen& screen = *static_cast<Screen*>(game.session.io);
  EXPECT_EQ(screen.NextIdleKey().kind, platform::KeyKind::kCloseRequest);
  EXPECT_EQ(screen.NextIdleKey().code, platform::keys::kRight);
  EXPECT_EQ(frontend.pending_keys(), 0u);
}

TEST(Screen, WindowsSeeACloseRequestAndLeaveItForTheIdleLoop) {
  platform::HeadlessFrontend frontend;
  Screen screen(frontend);
  frontend.PushClose();
  EXPECT_EQ(screen.NextWindowKey().kind, platform::KeyKind::kCloseRequest);
  EXPECT_EQ(screen.NextWindowKey().kind, platform::KeyKind::kCloseRequest)
      << "every open window closes in turn";
  EXPECT_EQ(screen.NextIdleKey().kind, platform::KeyKind::kCloseRequest);
  EXPECT_FALSE(screen.close_requested());
}

TEST(Screen, AfterAHangupEveryWaitEndsAtOnceAndNoKeyIsRead) {
  platform::HeadlessFrontend frontend;
  Screen screen(frontend);
  frontend.PushClose();
  frontend.PushHangup();
  frontend.PushScript("a");
  EXPECT_EQ(screen.NextKey().kind, platform::KeyKind::kHangup) << "the close request waits";
  EXPECT_EQ(screen.NextKey().kind, platform::KeyKind::kHangup);
  EXPECT_EQ(screen.NextWindowKey().kind, platform::KeyKind::kCloseRequest) << "windows close";
  EXPECT_EQ(screen.NextIdleKey().kind, platform::KeyKind::kHangup) << "no question is asked";
  screen.SleepMs(100);
  EXPECT_EQ(frontend.slept_ms(), 0);
  EXPECT_EQ(frontend.pending_keys(), 1u);
}

}  // namespace
}  // namespace zaldrun
