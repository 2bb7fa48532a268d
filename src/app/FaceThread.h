#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <atomic>
#include <functional>
#include <memory>

class ClockFace;
class FaceView;
class Platform;

// While the clock is in view and only its hands move, the platform's window
// ticker moves them from a thread of its own, and the program's thread
// sleeps. Whenever Qt is about to paint the clock window itself (an expose,
// a change of skin, size or scale), the ticker stops, the face is brought to
// the present and painted whole, and afterwards the program decides anew how
// the face ticks.
class FaceThread : public QObject {
  public:
    // `sync`: brings the face's hands to the present time. `resume`: asked
    // after such a paint of Qt's, to start the ticker again if it is wanted.
    FaceThread(Platform& platform, FaceView& view, const ClockFace& face,
               std::function<void()> sync, std::function<void()> resume);
    ~FaceThread() override;

    // Hands the face over to the ticker, with its hands as last set; again
    // when already running, so that the ticker paints what the face is now.
    // False where the platform has no ticker or cannot paint the window so.
    bool start();
    // Takes the face back; Qt paints it whole next, over what the ticker
    // drew.
    void stop();
    bool running() const { return running_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watch();
    void handBack();

    Platform& platform_;
    FaceView& view_;
    const ClockFace& face_;
    std::function<void()> sync_;
    std::function<void()> resume_;
    QPointer<QWindow> watchedWindow_;
    bool windowWatched_ = false;
    bool running_ = false;
    bool resumeAsked_ = false;
    // Set by the ticker's thread once it has put pixels since its start:
    // only then does the screen hold what Qt's copy does not.
    std::shared_ptr<std::atomic<bool>> painted_;
};
