#pragma once

#include <QDialog>

// "A propos": the product, the program and its version, and the author.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};
