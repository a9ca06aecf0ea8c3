// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

// A sound server of the test's own: PulseAudio with one null sink, on a socket in a scratch
// folder, which this process's chimes use. What the sink plays can be recorded exactly.
class SoundServer {
public:
    SoundServer() {
        QDir(folder_.path()).mkdir("run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket()));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", folder_.path());
        environment.insert("XDG_CONFIG_HOME", folder_.path());
        environment.insert("XDG_RUNTIME_DIR", folder_.filePath("run"));
        server_.setProcessEnvironment(environment);
        start();
    }
    ~SoundServer() {
        stop();
        qunsetenv("PULSE_SERVER");
    }
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    [[nodiscard]] QString socket() const { return folder_.filePath("native"); }

    // Starts (again), and returns once the socket takes clients.
    bool start() {
        server_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1",
                                     "--disable-shm=yes", "--use-pid-file=no", "--log-level=0",
                                     "--load=module-null-sink sink_name=classroom",
                                     "--load=module-native-protocol-unix socket=" + socket()});
        return waited(10000, [this] { return QFile::exists(socket()); });
    }
    void stop() {
        for (QProcess* process : {&recorder_, &server_}) {
            process->kill();
            process->waitForFinished();
        }
        QFile::remove(socket());
    }

    // Records the sink's sound, 16-bit stereo at 44.1 kHz (its own format), from once the
    // recorder hears the sink (its silence, before anything plays); a recording made before
    // is dropped.
    void record() {
        recorder_.kill();
        recorder_.waitForFinished();
        recorder_.start("parec",
                        {"--server=unix:" + socket(), "--device=classroom.monitor", "--raw",
                         "--format=s16le", "--rate=44100", "--channels=2", "--latency-msec=200"});
        recorded_.clear();
        heard("");
    }
    // Whether the recording holds `samples` whole (and something), waiting up to three seconds.
    bool heard(const QByteArray& samples) {
        return waited(3000, [&] {
            recorder_.waitForReadyRead(100);
            recorded_ += recorder_.readAllStandardOutput();
            return !recorded_.isEmpty() && recorded_.contains(samples);
        });
    }

    [[nodiscard]] const QByteArray& recording() const { return recorded_; }

private:
    static bool waited(int milliseconds, const std::function<bool()>& condition) {
        const QDeadlineTimer deadline(milliseconds);
        while (!condition() && !deadline.hasExpired()) {
            QThread::msleep(20);
        }
        return condition();
    }

    QTemporaryDir folder_;
    QProcess server_;
    QProcess recorder_;
    QByteArray recorded_;
};
