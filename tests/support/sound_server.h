// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

// A sound server of the test's own: PulseAudio with one null sink, on a socket in a scratch
// folder, which this process's chimes use. What the sink plays can be recorded exactly.
class SoundServer {
public:
    SoundServer() {
        QDir(folder_.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(folder_.filePath(QStringLiteral("run")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket()));
        start();
    }
    ~SoundServer() {
        stop();
        qunsetenv("PULSE_SERVER");
    }
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    [[nodiscard]] QString socket() const { return folder_.filePath(QStringLiteral("native")); }

    // Starts (again) and returns once the socket takes clients.
    bool start() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), folder_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.filePath("run"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder_.path());
        server_.setProcessEnvironment(environment);
        server_.start(
            QStringLiteral("pulseaudio"),
            {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
             "--use-pid-file=no", "--log-level=0", "--load=module-null-sink sink_name=classroom",
             "--load=module-native-protocol-unix socket=" + socket()});
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(socket()) && waited.elapsed() < 10000) {
            QThread::msleep(20);
        }
        return QFile::exists(socket());
    }
    void stop() {
        recorder_.kill();
        recorder_.waitForFinished();
        server_.kill();
        server_.waitForFinished();
        QFile::remove(socket());
    }

    // Records the sink's sound from now on, as 16-bit stereo at 44.1 kHz, its own format;
    // returns once the recording runs.
    void record() {
        recorder_.start(QStringLiteral("parec"),
                        {"--server=unix:" + socket(), "--device=classroom.monitor", "--raw",
                         "--format=s16le", "--rate=44100", "--channels=2", "--latency-msec=200"});
        // Returns once the server has the recorder among its clients.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 5000) {
            QProcess clients;
            clients.start(QStringLiteral("pactl"),
                          {"--server=unix:" + socket(), "list", "short", "source-outputs"});
            clients.waitForFinished();
            if (!clients.readAllStandardOutput().trimmed().isEmpty()) {
                break;
            }
        }
        recorded_.clear();
    }
    // Whether the recording holds `samples` whole, waiting for them up to three seconds.
    bool heard(const QByteArray& samples) {
        QElapsedTimer waited;
        waited.start();
        while (!recorded_.contains(samples) && waited.elapsed() < 3000) {
            recorder_.waitForReadyRead(100);
            recorded_ += recorder_.readAllStandardOutput();
        }
        return recorded_.contains(samples);
    }

private:
    QTemporaryDir folder_;
    QProcess server_;
    QProcess recorder_;
    QByteArray recorded_;
};
