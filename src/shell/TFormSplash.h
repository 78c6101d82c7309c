#pragma once

#include <QDialog>
#include <QTimer>

// The opening window: an animation shown for five one-second ticks, whatever the animation does.
class TFormSplash : public QDialog {
    Q_OBJECT
public:
    explicit TFormSplash(QWidget *parent = nullptr);

    int Compte() const { return compte_; }
    void TimerTimer();

private:
    void FormCreate();

    QTimer *Timer = nullptr;
    int compte_ = 0;
};
