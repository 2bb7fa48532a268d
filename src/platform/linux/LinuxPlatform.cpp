#include "platform/linux/LinuxPlatform.h"

#include "platform/linux/MessageBox.h"
#include "platform/linux/ReminderNoticeBox.h"
#include "platform/linux/X11Monitors.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <cstdio>

LinuxPlatform::LinuxPlatform(OkCaption okCaption)
    : okCaption_(std::move(okCaption)), player_(QStringLiteral(CHRONIDEX_SOUND_MODULE_FOLDER)) {
    // The monitors are read once and again only when they change: the clock
    // asks for its edge every second.
    if (!qGuiApp) {
        return;
    }
    auto watch = [this](QScreen* screen) {
        QObject::connect(screen, &QScreen::geometryChanged, qGuiApp, [this] { rereadMonitors(); });
        QObject::connect(screen, &QScreen::availableGeometryChanged, qGuiApp,
                         [this] { rereadMonitors(); });
    };
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, qGuiApp, [this, watch](QScreen* s) {
        watch(s);
        rereadMonitors();
    });
    QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, qGuiApp,
                     [this] { rereadMonitors(); });
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    desktopWindows_.setDesktopChangedHandler([this] { rereadMonitors(); });
    sway_ = SwayDesktop::connectToSession();
    if (sway_) {
        sway_->setChangedHandler([this] { rereadMonitors(); });
    }
    cachesMonitors_ = true;
}

QList<Monitor> LinuxPlatform::readMonitors() const {
    return x11monitors::monitors(sway_ ? sway_->workAreas() : QList<QRect>());
}

void LinuxPlatform::showMessage(const QString& text) {
    if (ending_) {
        return;
    }
    messagebox::show(QMessageBox::NoIcon, text, okCaption_(text));
}

ReminderAnswer LinuxPlatform::showReminder(const QString& text, const PutOffChoice& later) {
    if (ending_) {
        return {};
    }
    return ReminderNoticeBox::ask(text, later, okCaption_(text));
}

// The program ends as by its Exit, wherever the request finds it. A modal box
// runs a loop of its own, and during the start there is no other yet to end:
// the boxes open now are closed, and none opens after them.
void LinuxPlatform::setEndRequestHandler(std::function<void()> handler) {
    if (!handler) {
        signals_.setHandler({});
        return;
    }
    signals_.setHandler([this, handler = std::move(handler)] {
        ending_ = true;
        handler();
        for (QWidget* box : QApplication::topLevelWidgets()) {
            if (box->isModal() && box->isVisible()) {
                box->close();
            }
        }
    });
}

void LinuxPlatform::showError(const QString& text) {
    // Also on standard error, one line per message: a clock started from a
    // terminal or a session keeps the reason after the box is gone.
    QString line = text;
    line.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    std::fprintf(stderr, "chronidex: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
    if (!ending_) {
        messagebox::show(QMessageBox::Warning, text, okCaption_(text));
    }
}

std::optional<QString> LinuxPlatform::askText(const QString& caption, const QString& prompt,
                                              const QString& cancelCaption) {
    if (ending_) {
        return std::nullopt;
    }
    QInputDialog dialog;
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setOkButtonText(okCaption_(prompt));
    if (!cancelCaption.isEmpty()) {
        dialog.setCancelButtonText(cancelCaption);
    }
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.textValue();
}

std::optional<QString> LinuxPlatform::chooseFile(const QStringList& filters) {
    if (ending_) {
        return std::nullopt;
    }
    QFileDialog dialog;
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
}

bool LinuxPlatform::shellOpen(const QString& target, ShowMode) {
    if (target.isEmpty()) {
        return false;
    }
    const QUrl url(target, QUrl::TolerantMode);
    const bool hasScheme = url.isValid() && url.scheme().size() > 1;
    if (hasScheme && url.scheme() != QLatin1String("file")) {
        return QDesktopServices::openUrl(url);  // web and mail links
    }
    const QFileInfo file(hasScheme ? url.toLocalFile() : target);
    if (!file.exists()) {
        return false;
    }
    if (file.isFile() && file.isExecutable()) {
        // Started directly, never through a shell command line.
        return QProcess::startDetached(file.absoluteFilePath(), {});
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

bool LinuxPlatform::startDetached(const QString& program, const QString& workingFolder) {
    return QProcess::startDetached(program, {}, workingFolder);
}

QString LinuxPlatform::autostartFolder() const {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart");
}

QList<Monitor> LinuxPlatform::monitors() const {
    if (!monitors_ || !cachesMonitors_) {
        monitors_ = readMonitors();
    }
    return *monitors_;
}

// Qt and the desktop's own watch may both tell of one change, and tell of
// changes that leave the monitors as they were (a window opened changes the
// manager's client list): the handler hears only of real changes.
void LinuxPlatform::rereadMonitors() {
    QList<Monitor> now = readMonitors();
    if (monitors_ && *monitors_ == now) {
        return;
    }
    monitors_ = std::move(now);
    if (desktopChanged_) {
        desktopChanged_();
    }
}

void LinuxPlatform::setDesktopChangedHandler(std::function<void()> handler) {
    desktopChanged_ = std::move(handler);
}

// Under sway the tab bypasses the compositor: it would float the tab,
// centred and at least 75 by 50, where a window on top of everything of
// exactly its size is what is wanted. The others float where sway is told.
void LinuxPlatform::adoptDesktopWindow(QObject& window, bool onTop) {
    if (!window.isWidgetType()) {
        return;
    }
    auto& widget = static_cast<QWidget&>(window);
    if (sway_ && onTop) {
        widget.setWindowFlag(Qt::X11BypassWindowManagerHint);
    } else if (sway_) {
        sway_->adopt(static_cast<xcb_window_t>(widget.winId()));
    }
    desktopWindows_.adopt(widget, onTop);
}

bool LinuxPlatform::placeWindow(QObject& window, QPoint topLeft) {
    if (!sway_ || !window.isWidgetType()) {
        return false;
    }
    auto& widget = static_cast<QWidget&>(window);
    const auto id = static_cast<xcb_window_t>(widget.winId());
    if (!sway_->adopted(id)) {
        return false;
    }
    // Sway counts in the X server's pixels.
    const QScreen* screen = widget.screen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    sway_->place(id, origin + (topLeft - origin) * ratio);
    return true;
}

QPoint LinuxPlatform::cursorPos() const {
    return QCursor::pos();
}

WindowTicker* LinuxPlatform::windowTicker() {
    if (!qGuiApp || !qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        return nullptr;
    }
    if (!ticker_) {
        ticker_ = std::make_unique<X11WindowTicker>();
    }
    return ticker_.get();
}

PointerArea* LinuxPlatform::pointerArea() const {
    if (!qGuiApp || !qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        return nullptr;  // not on X11
    }
    // On XWayland the compositor gives the pointer only to windows it has a
    // surface for, and an input-only window has none: the entry would never
    // come, so the pointer is looked at as before.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return nullptr;
    }
    if (!pointerArea_) {
        pointerArea_ = std::make_unique<X11PointerArea>();
    }
    return pointerArea_.get();
}
