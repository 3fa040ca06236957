// The shell's tests write the recent-files list: it goes to a directory of
// the test run, never to the user's own settings.

#include "TempDir.h"

#include <QSettings>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ShellTestEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        m_settings = std::make_unique<testsupport::TempDir>();
        const QString path = QString::fromStdString(m_settings->Path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path);
    }
    void TearDown() override { m_settings.reset(); }

private:
    std::unique_ptr<testsupport::TempDir> m_settings;
};

const testing::Environment* const kEnvironment = testing::AddGlobalTestEnvironment(new ShellTestEnvironment);

}  // namespace
