#include "session/recovery_copy.h"

#include "core/error.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "formats/file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace tolvar {
namespace {

constexpr char Magic[] = "TOLVAR RECOVERY 1\n";
constexpr std::size_t MagicSize = sizeof Magic - 1;
constexpr std::size_t GridSize = Grid::Side * Grid::Side * 2;
constexpr std::size_t HeaderBytes = MagicSize + 4;
constexpr SizeLimit CopyLimit{"a recovery copy", 64 * MiB};
const QString Suffix = ".recovery";

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString copyName()
{
    return QString("tolvar-%1-%2%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(Suffix);
}

} // namespace

std::vector<std::uint8_t> EncodeRecoveryCopy(const RecoveredMap& copy)
{
    std::vector<std::uint8_t> bytes(Magic, Magic + MagicSize);
    AppendWord(bytes, copy.rows);
    AppendWord(bytes, copy.cols);
    const std::vector<std::uint8_t> grid = GridBytes(copy.map);
    bytes.insert(bytes.end(), grid.begin(), grid.end());
    for (const std::string& line : copy.history) {
        bytes.insert(bytes.end(), line.begin(), line.end());
        bytes.push_back('\n');
    }
    return bytes;
}

std::optional<RecoveredMap> DecodeRecoveryCopy(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < HeaderBytes + GridSize || std::memcmp(bytes.data(), Magic, MagicSize) != 0)
        return std::nullopt;
    RecoveredMap copy;
    copy.rows = WordAt(bytes, MagicSize);
    copy.cols = WordAt(bytes, MagicSize + 2);
    if (copy.rows > Grid::Side - 2 || copy.cols > Grid::Side - 2)
        return std::nullopt;
    for (std::size_t i = 0; i < copy.map.cells.size(); ++i)
        copy.map.cells[i] = WordAt(bytes, HeaderBytes + 2 * i);
    std::string line;
    for (std::size_t at = HeaderBytes + GridSize; at < bytes.size(); ++at) {
        if (bytes[at] == '\n')
            copy.history.push_back(std::exchange(line, {}));
        else
            line.push_back(static_cast<char>(bytes[at]));
    }
    return copy;
}

void RecoverMap(Frame& frame, const RecoveredMap& copy)
{
    frame.ui().setText(Box::cboHeight, IntToStr(copy.rows * 10));
    frame.BeginOperation();
    frame.document().heights() = copy.map;
    frame.document().setSize({copy.rows, copy.cols});
    frame.ui().replaceHistory(copy.history);
    frame.RefreshViews();
}

RecoveryFolder::RecoveryFolder(QString dir) : dir_(std::move(dir)), copyPath_(QDir(dir_).filePath(copyName())) {}

RecoveryFolder::~RecoveryFolder() { remove(); }

void RecoveryFolder::write(const RecoveredMap& copy)
{
    if (!lock_) {
        if (!QDir().mkpath(dir_))
            throw Error("Cannot create folder " + local(dir_));
        auto lock = std::make_unique<QLockFile>(copyPath_ + ".lock");
        if (!lock->tryLock(0))
            throw Error("Cannot lock " + local(copyPath_));
        lock_ = std::move(lock);
    }
    WriteWholeFile(local(copyPath_), EncodeRecoveryCopy(copy));
}

void RecoveryFolder::remove()
{
    if (!lock_)
        return;
    QFile::remove(copyPath_);
    lock_.reset();
}

std::optional<LeftCopy> RecoveryFolder::newestLeftCopy() const
{
    const QFileInfoList copies = QDir(dir_).entryInfoList({"*" + Suffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& copy : copies) {
        if (copy.absoluteFilePath() == QFileInfo(copyPath_).absoluteFilePath())
            continue;
        auto lock = std::make_unique<QLockFile>(copy.absoluteFilePath() + ".lock");
        // A lock is free only when its owner no longer runs, however old it is.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0))
            return LeftCopy{copy.absoluteFilePath(), copy.lastModified(), std::move(lock)};
    }
    return std::nullopt;
}

RecoveredMap RecoveryFolder::read(const LeftCopy& left)
{
    const auto copy = DecodeRecoveryCopy(ReadWholeFile(local(left.path), CopyLimit));
    if (!copy)
        throw Error(local(left.path) + " is not a recovery copy");
    return *copy;
}

void RecoveryFolder::discard(LeftCopy& left)
{
    QFile::remove(left.path);
    left.lock.reset();
}

void RecoveryFolder::setAside(LeftCopy& left) const
{
    QDir aside(QDir(dir_).filePath("aside"));
    aside.mkpath(".");
    QFile::rename(left.path, aside.filePath(QFileInfo(left.path).fileName()));
    left.lock.reset();
    const QFileInfoList kept = aside.entryInfoList({"*" + Suffix}, QDir::Files, QDir::Time);
    for (qsizetype i = KeptAside; i < kept.size(); ++i)
        QFile::remove(kept[i].absoluteFilePath());
}

} // namespace tolvar
