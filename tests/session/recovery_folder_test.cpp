#include "irregular_map.h"

#include "core/error.h"
#include "session/recovery_copy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>

#include <memory>

using namespace tolvar;

namespace {

// The lock file a Tolvar leaves when it is killed: the usual contents, but
// naming a process number that no system hands out.
QByteArray deadOwnersLock(const QString& scratch)
{
    QLockFile living(scratch + "/probe.lock");
    EXPECT_TRUE(living.tryLock(0));
    QFile file(scratch + "/probe.lock");
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray contents = file.readAll();
    return "999999999" + contents.mid(contents.indexOf('\n'));
}

RecoveredMap mapWithSalt(std::uint32_t salt)
{
    RecoveredMap map;
    tolvar::testing::fillIrregular(map.map, salt);
    map.rows = map.cols = static_cast<std::uint16_t>(2 * (100 + salt));
    map.history = {"Run=" + std::to_string(salt)};
    return map;
}

// A copy left by a killed Tolvar, written minutesAgo minutes ago; its map
// is told apart by salt.
QString leaveCopy(const QString& dir, const QString& scratch, int minutesAgo, std::uint32_t salt)
{
    const QString path = dir + QString("/tolvar-%1.recovery").arg(salt);
    QFile copy(path);
    EXPECT_TRUE(copy.open(QIODevice::WriteOnly));
    const auto bytes = EncodeRecoveryCopy(mapWithSalt(salt));
    copy.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    copy.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesAgo), QFileDevice::FileModificationTime);
    QFile lock(path + ".lock");
    EXPECT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(deadOwnersLock(scratch));
    return path;
}

QStringList filesIn(const QString& dir) { return QDir(dir).entryList(QDir::Files, QDir::Name); }

} // namespace

// A living Tolvar's copy is never offered, however new; of the left ones
// the newest comes first, and its lock keeps it from a second taker.
TEST(RecoveryFolder, OffersTheNewestCopyWhoseOwnerNoLongerRuns)
{
    QTemporaryDir dir, scratch;
    const QString oldest = leaveCopy(dir.path(), scratch.path(), 180, 1);
    const QString newest = leaveCopy(dir.path(), scratch.path(), 60, 2);
    const QString middle = leaveCopy(dir.path(), scratch.path(), 120, 3);
    auto living = std::make_unique<RecoveryFolder>(dir.path());
    living->write(mapWithSalt(4));

    RecoveryFolder first(dir.path()), second(dir.path());
    auto taken = first.newestLeftCopy();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->path, newest);
    EXPECT_EQ(RecoveryFolder::read(*taken), mapWithSalt(2));
    auto next = second.newestLeftCopy();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->path, middle);

    RecoveryFolder::discard(*taken);
    RecoveryFolder::discard(*next);
    EXPECT_FALSE(QFile::exists(newest));
    EXPECT_EQ(second.newestLeftCopy()->path, oldest);

    // A clean end takes the living copy and its lock with it; the oldest
    // copy stays, its lock freed when the look above let go of it.
    living.reset();
    EXPECT_EQ(filesIn(dir.path()), QStringList({"tolvar-1.recovery"}));
}

// Copies are set aside newest first, as they are offered, so the last three
// moved are the oldest: the pile must keep by age, not by order of arrival.
TEST(RecoveryFolder, SettingAsideKeepsTheThreeNewestCopies)
{
    QTemporaryDir dir, scratch;
    const int minutesAgo[] = {40, 7, 95, 23, 61};
    for (std::uint32_t salt = 0; salt < 5; ++salt)
        leaveCopy(dir.path(), scratch.path(), minutesAgo[salt], salt);

    RecoveryFolder folder(dir.path());
    int setAside = 0;
    while (auto left = folder.newestLeftCopy()) {
        folder.setAside(*left);
        EXPECT_FALSE(left->lock);
        ++setAside;
    }
    EXPECT_EQ(setAside, 5);
    EXPECT_TRUE(filesIn(dir.path()).isEmpty()); // copies and locks alike
    EXPECT_EQ(filesIn(dir.filePath("aside")),
              QStringList({"tolvar-0.recovery", "tolvar-1.recovery", "tolvar-3.recovery"}));
}

TEST(RecoveryFolder, AFileThatIsNoCopyIsReportedWhenRead)
{
    QTemporaryDir dir, scratch;
    const QString path = leaveCopy(dir.path(), scratch.path(), 5, 8);
    QFile::resize(path, 1000);
    RecoveryFolder folder(dir.path());
    const auto left = folder.newestLeftCopy();
    ASSERT_TRUE(left);
    EXPECT_THROW(RecoveryFolder::read(*left), Error);
}
