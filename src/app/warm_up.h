#pragma once
// Work done while the intro shows, so that the simulation window appears in the frame after
// 「次へ」. Most of its first paint would be loading the fonts it draws with, drawing each glyph
// for the first time, and fresh memory for its backing store and cached captions (slow to touch
// for the first time on a virtual machine). Here those fonts are loaded and the window's
// characters drawn once, at every sub-pixel offset, into an image that is thrown away; the glyphs
// stay in the fonts' caches, at the zoom the window will be drawn at. The last step is `last`:
// the program makes the simulation window there and draws it hidden.

#include <QFont>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace tesselka::app {

class WarmUp : public QObject {
public:
    // Starts once `intro` has been painted for the first time, one small step at a time when
    // the event loop has nothing else to do; stops as soon as the intro is hidden. A child of
    // the intro, it goes with it. The fonts are prepared at `zoom`.
    WarmUp(QWidget& intro, double zoom, std::function<void()> last = {});

    bool finished() const { return done_ == steps(); }
    // Runs once the last step is done; the benchmark marks the moment.
    void on_finished(std::function<void()> handler) { on_finished_ = std::move(handler); }

    // The fonts prepared at a zoom, and the characters.
    static std::vector<QFont> fonts(double zoom);
    static QString characters();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    std::size_t slices() const;
    std::size_t steps() const;
    void step();

    QWidget& intro_;
    std::vector<QFont> fonts_;
    QString characters_;
    std::size_t done_ = 0;
    std::function<void()> last_;
    std::function<void()> on_finished_;
};

}  // namespace tesselka::app
