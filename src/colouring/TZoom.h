#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <optional>

// A magnifier: on a timer, copies the screen rectangle around the pointer, stretched, onto itself,
// with a crosshair on the pointer's spot. The screen is read through the desktop seam; a capture is
// skipped while the pointer has not moved. Where the desktop refuses to be captured, the view says
// so in words instead of showing black.
class TZoom : public QWidget {
    Q_OBJECT
public:
    explicit TZoom(QWidget *parent = nullptr);

    bool Active() const { return active_; }
    void DefinirActive(bool active);
    // Size of the captured rectangle as a percentage of the view's: 25 magnifies four times.
    int ZoomLevel = 100;
    int Delay() const { return timer_.interval(); }
    void DefinirDelay(int millisecondes);
    bool Crosshair = false;
    QColor CrosshairColor = Qt::black;
    int CrosshairSize = 20;
    bool CacheOnDeactivate() const { return cacheOnDeactivate_; }
    void DefinirCacheOnDeactivate(bool garder);

    // One capture now, as a tick of the timer does.
    void PaintZoom();
    // What the screen shows under the view changed though the pointer stayed: the next ticks capture.
    void ContenuChange();
    // Magnifies around this point of the screen instead of the pointer, until the pointer moves.
    void Suivre(QPoint pointEcran);
    // The picture the view shows.
    const QImage &Contenu() const { return contenu_; }
    bool CaptureRefusee() const { return captureRefusee_; }

signals:
    void ContentsChanged();

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;
    void showEvent(QShowEvent *evenement) override;

private:
    void CacheContent();
    void FreeCache();

    bool active_ = true;
    bool cacheOnDeactivate_ = true;
    bool captureRefusee_ = false;
    static constexpr int CapturesApresAffichage = 5;
    // The screen may show a change a little after the window drew it: two ticks capture.
    static constexpr int CapturesApresChangement = 2;
    std::optional<QPoint> suivi_;
    QPoint pointeurAuSuivi_;
    int capturesForcees_ = 0;
    QPoint LastCursorPos{-1, -1};
    QImage contenu_;
    std::optional<QImage> CacheBitmap;
    QTimer timer_;
};

inline const QString TexteCaptureRefusee =
    QStringLiteral("Ce bureau ne laisse pas la loupe voir l'écran (session Wayland ou capture d'écran interdite).");
