// One Brasswick at a time per program folder: the first start holds a lock file in the
// user's runtime folder; a second start (the CAD side's BWPLACE starts the program on every
// pick) asks the first to come forward and ends. Files only, since the static Qt for Windows
// has no network module.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>

class QFileSystemWatcher;
class QLockFile;

namespace bw {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(const std::string& programFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the one Brasswick of its folder, from now until it ends; also when
    // the lock cannot be made at all, since a program that runs twice beats one that never
    // runs. False when another Brasswick holds it.
    bool Acquire();
    // Asks the Brasswick that holds the lock to come forward (and lets it take the
    // foreground). False when the request could not be left or was not taken within five
    // seconds; this one then holds the lock itself where it can.
    bool HandOver();

    // The folder of the lock and the request, for tests.
    QString Folder() const { return folder_; }

  signals:
    // A second start asked this one to come forward.
    void HandOverRequested();

  private:
    bool TakeOver();  // the lock, whoever held it
    void Listen();    // for later starts' requests
    void CheckRequest();

    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QFileSystemWatcher* watcher_ = nullptr;
};

}  // namespace bw
