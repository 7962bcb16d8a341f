#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "base/log_statement.h"

namespace base {
namespace {

struct Captured {
  LogSeverity severity;
  std::string function;
  int32_t line;
  std::string message;
};

class CapturingSink : public LogSink {
 public:
  CapturingSink(std::vector<Captured>* out, bool* destroyed) : out_(out), destroyed_(destroyed) {}
  void Emit(const LogStatement& s) override { out_->push_back({s.severity(), s.function(), s.line(), s.Message()}); }
  ~CapturingSink() override { *destroyed_ = true; }

 private:
  std::vector<Captured>* out_;
  bool* destroyed_;
};

class LogStatementTest : public testing::Test {
 protected:
  void SetUp() override { InstallLogSink(std::make_unique<CapturingSink>(&captured_, &destroyed_)); }
  void TearDown() override { InstallLogSink(nullptr); }

  std::vector<Captured> captured_;
  bool destroyed_ = false;
};

TEST(LogStatementWithoutSink, IsDroppedQuietly) {
  ASSERT_EQ(InstalledLogSink(), nullptr);
  LOG(ERROR) << "nobody listens";  // must neither crash nor leak (ASan watches)
  LOG_ERROR_WITH_CODE(5);
}

TEST_F(LogStatementTest, StreamsTextAndNumbers) {
  const int line = __LINE__ + 1;
  LOG(WARNING) << "a=" << -5 << " b=" << 4000000000u << " c=" << static_cast<int64_t>(-9000000000LL) << " " << true
               << ' ' << L"wide \u00e9" << " " << std::string("str");
  ASSERT_EQ(captured_.size(), 1u);
  EXPECT_EQ(captured_[0].severity, LOG_WARNING);
  EXPECT_EQ(captured_[0].line, line);
  EXPECT_NE(captured_[0].function.find("TestBody"), std::string::npos);
  EXPECT_EQ(captured_[0].message, "a=-5 b=4000000000 c=-9000000000 true wide \xc3\xa9 str");
}

TEST_F(LogStatementTest, ErrorDetailIsAppendedAfterADash) {
  LOG_ERROR_WITH_CODE(12029) << "Can't connect";
  LOG_ERROR_WITH_CODE(12029);
  ASSERT_EQ(captured_.size(), 2u);
  EXPECT_EQ(captured_[0].severity, LOG_ERROR);
  EXPECT_EQ(captured_[0].message, "Can't connect - " + FormatSystemError(12029));
  // With nothing streamed the error text stands alone, without " - ".
  EXPECT_EQ(captured_[1].message, FormatSystemError(12029));
}

TEST_F(LogStatementTest, InstallingReplacesAndDestroysThePreviousSink) {
  std::vector<Captured> second;
  bool second_destroyed = false;
  InstallLogSink(std::make_unique<CapturingSink>(&second, &second_destroyed));
  EXPECT_TRUE(destroyed_);
  LOG(INFO) << "to the second";
  EXPECT_TRUE(captured_.empty());
  ASSERT_EQ(second.size(), 1u);
  InstallLogSink(nullptr);
  EXPECT_TRUE(second_destroyed);
}

TEST(LogStatementSeam, KeepsGivenTimeAndIds) {
  LogStatement statement(LOG_INFO, "wWinMain", 160, 42, 4242, 5120);
  EXPECT_EQ(statement.time_us(), 42);
  EXPECT_EQ(statement.process_id(), 4242u);
  EXPECT_EQ(statement.thread_id(), 5120u);
}

}  // namespace
}  // namespace base
