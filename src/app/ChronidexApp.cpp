#include "app/ChronidexApp.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/HelpViewer.h"
#include "platform/Platform.h"

ChronidexApp::ChronidexApp(Platform& platform)
    : platform_(platform),
      startup_(state_, chas_.timers(), platform),
      protocol_(state_, chas_.timers(), platform),
      restart_(state_, platform,
               [this] {
                   restarting_ = true;
                   chas_.close();
               }),
      context_{state_,   chas_.timers(), protocol_,
               platform, restart_,       [this](int topic) { showHelp(topic); }},
      menu_(&chas_),
      im_(&chas_.tcif()),
      face_(state_, platform, im_),
      reminders_(state_, chas_.timers(), platform),
      launches_(state_, chas_.timers(), platform) {
    connect(&chas_, &ClockWindow::closing, this, &ChronidexApp::finished);
}

ChronidexApp::~ChronidexApp() = default;

bool ChronidexApp::start(const QString& programFolder) {
    startup_.loadState(programFolder);
    createClockWindow();
    if (startup_.finish() == ClockStartup::Outcome::AnotherInstanceRuns) {
        return false;
    }
    platform_.instanceMarker().setRaiseHandler([this] { bringForward(); });
    createOtherWindows();
    wireTimers();
    wireMenu();
    chas_.show();
    kol_->show();
    if (kn_ && !state_.settings.noPullTab()) {
        kn_->show();
    }
    chas_.str.start();
    chas_.nap.start();
    chas_.napr.start();
    return true;
}

void ChronidexApp::createClockWindow() {
    const QRect desktop = platform_.desktopRect();
    chas_.move(desktop.x() + desktop.width() - chas_.width(), desktop.top());
    im_.setGeometry(1, 1, ClockFace::kFaceSize, ClockFace::kFaceSize);
    face_.drawClockFace();
}

void ChronidexApp::createOtherWindows() {
    kol_ = std::make_unique<Tkol>(chas_.frameGeometry(), QColor::fromRgb(face_.faceCornerColour()),
                                  state_.programFolder, state_.settings, platform_.now().date(),
                                  platform_);
    kn_ = std::make_unique<PullTabWindow>(state_);
    slide_ = std::make_unique<WidgetSlideWindows>(chas_, *kn_, kol_.get());
    autoHide_ =
        std::make_unique<AutoHide>(state_, chas_.timers(), kn_->vidSwitch(), platform_, *slide_);
    chas_.move(autoHide_->homePosition());
    kol_->move(chas_.x(), chas_.y() + chas_.height());
    autoHide_->setUpTab();
    // The dialogs, created hidden in the program's order.
    vibyaz_ = std::make_unique<Tvibyaz>(context_);
    skins_ = std::make_unique<TSkins>(context_);
    prazd_ = std::make_unique<Tprazd>(context_);
    napom_ = std::make_unique<Tnapom>(context_);
    autr_ = std::make_unique<Tautr>(context_);
    run_ = std::make_unique<TRun>(context_);
    other_ = std::make_unique<Tother>(context_);
    about_ = std::make_unique<TForm12>(context_,
                                       [this] { return menu_.item(QStringLiteral("N8"))->text(); });
    connect(kn_.get(), &PullTabWindow::clicked, this, [this] { autoHide_->tabClick(); });
    connect(&kn_->vid(), &QTimer::timeout, this, [this] { autoHide_->vidTimer(); });
    connect(&im_, &TJImage::mouseEntered, this, [this] { autoHide_->imMouseEnter(); });
    connect(&im_, &TJImage::mouseLeft, this, [this] { autoHide_->imMouseLeave(); });
    auto screensChanged = [this] { autoHide_->screensChanged(); };
    auto watch = [this, screensChanged](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, this, screensChanged);
    };
    connect(qApp, &QGuiApplication::screenAdded, this, [watch, screensChanged](QScreen* screen) {
        watch(screen);
        screensChanged();
    });
    connect(qApp, &QGuiApplication::screenRemoved, this, screensChanged);
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
}

void ChronidexApp::wireTimers() {
    connect(&chas_.t1, &QTimer::timeout, this, [this] { autoHide_->t1Timer(); });
    connect(&chas_.zad, &QTimer::timeout, this, [this] { autoHide_->zadTimer(); });
    connect(&chas_.otk, &QTimer::timeout, this, [this] { autoHide_->otkTimer(); });
    connect(&chas_.bezkn, &QTimer::timeout, this, [this] { autoHide_->bezknTimer(); });
    connect(&chas_.str, &QTimer::timeout, this, &ChronidexApp::strTimer);
    connect(&chas_.nap, &QTimer::timeout, this, [this] { reminders_.reminderTick(); });
    connect(&chas_.napr, &QTimer::timeout, this, [this] { launches_.launchTick(); });
}

void ChronidexApp::strTimer() {
    startup_.soundEndCheck();
    face_.drawClockFace();
    if (startup_.dayChanged() && !restarting_) {
        QString error;
        if (!restart_.restartProgram({}, &error)) {
            chas_.str.stop();  // say it once, not ten times a second
            platform_.showError(tr("The nightly restart failed: %1").arg(error));
        }
    }
}

void ChronidexApp::wireMenu() {
    connect(&menu_, &QMenu::aboutToShow, this, [this] { autoHide_->pmPopup(); });
    chas_.onContextMenu = [this](const QPoint& at) { menu_.popup(at); };
    menu_.setAction(QStringLiteral("N2"), [this] { napom_->showAndRaise(); });
    menu_.setAction(QStringLiteral("N3"), [this] { run_->showAndRaise(); });
    menu_.setAction(QStringLiteral("N15"), [this] { vibyaz_->showAndRaise(); });
    menu_.setAction(QStringLiteral("N16"), [this] { skins_->showAndRaise(); });
    menu_.setAction(QStringLiteral("N19"), [this] { autr_->showAndRaise(); });
    // The about box is made visible, not brought to the front.
    menu_.setAction(QStringLiteral("N8"), [this] { about_->show(); });
    menu_.setAction(QStringLiteral("N20"), [this] { other_->showAndRaise(); });
    menu_.setAction(QStringLiteral("N18"), [this] { prazd_->showAndRaise(); });
    menu_.setAction(QStringLiteral("N6"), [this] { showHelp(0); });
    menu_.setAction(QStringLiteral("N12"), [this] { chas_.close(); });
}

void ChronidexApp::showHelp(int topic) {
    if (!help_) {
        help_ = std::make_unique<HelpViewer>(
            state_.programFolder.path(QStringLiteral("\\system\\help.html")));
    }
    help_->showTopic(topic);
}

void ChronidexApp::bringForward() {
    if (autoHide_ && autoHide_->isAway()) {
        autoHide_->tabClick();
    }
    chas_.show();
    chas_.raise();
    chas_.activateWindow();
}
