#include "shell/ShownReport.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <ctime>

namespace ms::gui {

namespace {

class FirstPaintWatch : public QObject {
  public:
    FirstPaintWatch(QWidget* window, QString file, bool quit)
        : QObject(window), m_file(std::move(file)), m_quit(quit) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            timespec now{};
            ::clock_gettime(CLOCK_MONOTONIC, &now);
            QFile out(m_file);
            if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
                out.write(QByteArray::number(now.tv_sec * 1'000'000'000LL + now.tv_nsec));
            out.close();
            watched->removeEventFilter(this);
            if (m_quit)
                QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return false;
    }

  private:
    QString m_file;
    bool m_quit;
};

class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget* window, std::function<void()> work) : QObject(window), m_work(std::move(work)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), m_work);
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> m_work;
};

} // namespace

void afterFirstPaint(QWidget* window, std::function<void()> work) {
    window->installEventFilter(new AfterFirstPaint(window, std::move(work)));
}

void reportFirstPaint(QWidget* window) {
    const QString file = qEnvironmentVariable("SPANTORA_SHOWN_REPORT");
    if (file.isEmpty())
        return;
    window->installEventFilter(
        new FirstPaintWatch(window, file, qEnvironmentVariableIsSet("SPANTORA_QUIT_WHEN_SHOWN")));
}

} // namespace ms::gui
