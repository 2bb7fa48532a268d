#include "platform/linux/SwayDesktop.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

enum Event : quint32 { Workspace = 0, Output = 1, Window = 3, BarConfig = 4, BarState = 0x14 };

QRect rectOf(const QJsonObject& object) {
    const QJsonObject r = object.value(QLatin1String("rect")).toObject();
    return QRect(r.value(QLatin1String("x")).toInt(), r.value(QLatin1String("y")).toInt(),
                 r.value(QLatin1String("width")).toInt(), r.value(QLatin1String("height")).toInt());
}

}  // namespace

std::unique_ptr<SwayDesktop> SwayDesktop::connectToSession() {
    const QString socket = qEnvironmentVariable("SWAYSOCK");
    if (socket.isEmpty()) {
        return nullptr;
    }
    std::unique_ptr<SwayIpc> ipc = SwayIpc::open(socket);
    if (!ipc) {
        return nullptr;
    }
    return std::unique_ptr<SwayDesktop>(new SwayDesktop(std::move(ipc)));
}

// A window's events place it once sway has it (an earlier command found no
// such window); the others may have moved a bar or changed a workspace.
SwayDesktop::SwayDesktop(std::unique_ptr<SwayIpc> ipc) : ipc_(std::move(ipc)) {
    ipc_->listen(QByteArrayLiteral(R"(["window","workspace","output","barconfig_update",)"
                                   R"("bar_state_update"])"),
                 [this](quint32 type, const QJsonObject& body) { eventArrived(type, body); });
}

QList<QRect> SwayDesktop::workAreas() {
    QList<QRect> areas;
    const std::optional<QJsonDocument> workspaces = ipc_->ask(SwayIpc::GetWorkspaces);
    if (!workspaces) {
        return areas;
    }
    for (const QJsonValue& workspace : workspaces->array()) {
        const QJsonObject object = workspace.toObject();
        if (object.value(QLatin1String("visible")).toBool()) {
            areas << rectOf(object);
        }
    }
    return areas;
}

void SwayDesktop::adopt(xcb_window_t window) {
    places_.insert(window, QPoint());
}

void SwayDesktop::place(xcb_window_t window, QPoint topLeft) {
    places_.insert(window, topLeft);
    command(QStringLiteral("[id=%1] floating enable, sticky enable, border none, "
                           "move absolute position %2 %3")
                .arg(window)
                .arg(topLeft.x())
                .arg(topLeft.y()));
}

void SwayDesktop::command(const QString& text) {
    ipc_->ask(SwayIpc::RunCommand, text.toUtf8());
}

void SwayDesktop::eventArrived(quint32 type, const QJsonObject& body) {
    if (type == Window) {
        const QString change = body.value(QLatin1String("change")).toString();
        const auto window = xcb_window_t(body.value(QLatin1String("container"))
                                             .toObject()
                                             .value(QLatin1String("window"))
                                             .toInt());
        if (change == QLatin1String("new") && places_.contains(window)) {
            place(window, places_.value(window));
        }
    }
    // Even a window's focus may come with a bar that appeared at log-on:
    // sway tells of no change to its outputs' usable areas.
    if (changed_) {
        changed_();
    }
}
