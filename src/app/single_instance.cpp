#include "app/single_instance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include "exchange/files.h"
#include "exchange/platform.h"

namespace bw {

namespace {

const QString kRequestName = QStringLiteral("come-forward");

// A folder of the user's own (the temporary folder on Windows, the runtime folder elsewhere),
// one per program folder, so two installations, or a test's copy, do not meet.
QString LockFolder(const std::string& programFolder) {
#ifdef _WIN32
    const QString base = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
    const QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    const QByteArray key =
        QCryptographicHash::hash(QByteArray::fromStdString(programFolder), QCryptographicHash::Md5)
            .toHex()
            .left(16);
    return base + QStringLiteral("/brasswick-") + QString::fromLatin1(key);
}

}  // namespace

SingleInstance::SingleInstance(const std::string& programFolder, QObject* parent)
    : QObject(parent), folder_(LockFolder(programFolder)) {}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::Acquire() {
    if (!QDir().mkpath(folder_)) return true;
    lock_ = std::make_unique<QLockFile>(folder_ + QStringLiteral("/lock"));
    lock_->setStaleLockTime(0);  // a lock is stale only when its process is gone
    if (!lock_->tryLock(0)) {
        if (lock_->error() != QLockFile::LockFailedError) return true;
        // A lock left by a Brasswick that was killed can name this very process where the
        // system hands out process numbers afresh in the same order (Wine does).
        qint64 pid = 0;
        QString host, application;
        if (!lock_->getLockInfo(&pid, &host, &application) ||
            pid != QCoreApplication::applicationPid()) {
            return false;
        }
        if (!TakeOver()) return true;
    }
    Listen();
    return true;
}

bool SingleInstance::HandOver() {
    if (!lock_) return false;
    qint64 pid = 0;
    QString host, application;
    if (lock_->getLockInfo(&pid, &host, &application)) platform::AllowForeground(pid);
    const QString request = folder_ + QLatin1Char('/') + kRequestName;
    const std::string self = std::to_string(QCoreApplication::applicationPid()) + "\r\n";
    if (!WriteFileAtomically(QDir::toNativeSeparators(request).toLocal8Bit().toStdString(), self)) {
        // The running one takes the request away at once; a lock whose holder never does
        // belongs to a process that is not Brasswick any more, and this start takes over.
        for (int waited = 0; waited < 5000; waited += 50) {
            if (!QFile::exists(request)) return true;
            QThread::msleep(50);
        }
        QFile::remove(request);
    }
    if (TakeOver()) Listen();
    return false;
}

bool SingleInstance::TakeOver() { return lock_->removeStaleLockFile() && lock_->tryLock(0); }

void SingleInstance::Listen() {
    QFile::remove(folder_ + QLatin1Char('/') + kRequestName);  // left by a start before
    watcher_ = new QFileSystemWatcher(QStringList{folder_}, this);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { CheckRequest(); });
}

void SingleInstance::CheckRequest() {
    const QString request = folder_ + QLatin1Char('/') + kRequestName;
    if (!QFile::exists(request)) return;
    QFile::remove(request);
    emit HandOverRequested();
}

}  // namespace bw
