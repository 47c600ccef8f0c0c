#include "batch_runner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tolvar::testing::readFile;
using tolvar::testing::runBatch;

namespace {

// An environment variable set for the programs the test starts.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QString& value) : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value.toUtf8());
    }
    ~ScopedVariable()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

} // namespace

// Two runs that share a settings folder: the second finds the height files
// the first opened and saved, newest first, the one deleted since greyed,
// and the brush and height scale the first left; its first entry opens.
TEST(BatchSettings, RecentFilesAndTheBrushLastFromRunToRun)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/";
    const std::string settings = d + "settings";
    const auto first = runBatch({"--settings-dir", settings, "ediRandSeed=-9", "SetRandSeed1", "Circle1", "Run1",
                                 "dialog=" + d + "west.hgt", "Save1", "RotLeft1", "dialog=" + d + "gone.hgt", "Save1",
                                 "dialog=" + d + "east.hgt", "Save1", "dialog=" + d + "west.hgt", "Open1",
                                 "cboBrush=Flatten", "ediRadius=37", "ediHardness=83", "cboShading=Contours",
                                 "ediHeightScale=7"});
    ASSERT_EQ(first.status, 0) << first.err;
    ASSERT_TRUE(QFile::remove(QString::fromStdString(d + "gone.hgt")));

    const auto second = runBatch({"--settings-dir", settings, "print=OpenRecent1", "print=cboBrush", "print=ediRadius",
                                  "print=ediStrength", "print=ediHardness", "print=cboShading", "print=ediHeightScale",
                                  "OpenRecentFile1", "grid=" + d + "recent.raw"});
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, "OpenRecent1=enabled unchecked visible\n"
                          "OpenRecent1.1=" + d + "west.hgt\n"
                          "OpenRecent1.2=" + d + "east.hgt\n"
                          "OpenRecent1.3=" + d + "gone.hgt (missing)\n"
                          "cboBrush=Flatten\n"
                          "ediRadius=37\n"
                          "ediStrength=50\n"
                          "ediHardness=83\n"
                          "cboShading=Contours\n"
                          "ediHeightScale=7\n");
    const auto opened = runBatch({"dialog=" + d + "west.hgt", "Open1", "grid=" + d + "opened.raw"});
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_TRUE(readFile(d + "recent.raw") == readFile(d + "opened.raw")) << "the map the recent entry opens";
}

// Without --settings-dir a run reads nothing of what the user's Tolvar
// remembers, and leaves it as it was.
TEST(BatchSettings, WithoutASettingsFolderTheDriverStartsAsDesigned)
{
    QTemporaryDir home;
    ASSERT_TRUE(QDir(home.path()).mkpath(".config/tolvar"));
    const QString userFile = home.path() + "/.config/tolvar/tolvar.conf";
    const QByteArray remembered = "[frmSculpt]\nediRadius=40\ncboBrush=Lower\n\n[frm3D]\nediHeightScale=9\n\n"
                                  "[recent]\nfiles=" + home.path().toUtf8() + "/map.hgt\n";
    QFile file(userFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(remembered) == remembered.size());
    file.close();
    ASSERT_TRUE(QFile::copy(userFile, home.path() + "/map.hgt"));

    const ScopedVariable homeFolder("HOME", home.path());
    const ScopedVariable configFolder("XDG_CONFIG_HOME", home.path() + "/.config");
    const auto r = runBatch({"print=OpenRecent1", "print=ediRadius", "print=cboBrush", "print=ediHeightScale",
                             "ediRadius=21", "Run1", "dialog=" + home.path().toStdString() + "/new.hgt", "Save1"});

    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "OpenRecent1=disabled unchecked visible\n"
                     "ediRadius=16\n"
                     "cboBrush=Raise\n"
                     "ediHeightScale=4\n");
    EXPECT_EQ(readFile(userFile.toStdString()), remembered.toStdString());
}
