// Widget tests run on Qt's offscreen platform: one application for the whole test
// program, made before the first test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <memory>

namespace {

class OffscreenApp : public ::testing::Environment {
 public:
  void SetUp() override {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Dates and times in one known format, whatever the machine's settings.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[6] = "tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const kApp = ::testing::AddGlobalTestEnvironment(new OffscreenApp);

}  // namespace
