#pragma once

#include "common/Couleur.h"

#include <QList>
#include <QListWidget>
#include <array>

// A list whose items show a colour square before their text and can be made inactive (greyed).
// It keeps 1001 colour slots and active flags, independent of its items: slot i belongs to item i.
// It refuses to give two listed items one colour, opens the colour dialog on a press in the column of
// the squares, and announces every colour change. Mouse events other than that press reach the
// owner's handlers (the Souris… signals) only when the selected item is active.
class TCouleurListBox : public QListWidget {
    Q_OBJECT
public:
    static constexpr int NombreCases = 1001;
    static constexpr int MargeCase = 2;
    static constexpr int BordCase = 1;
    static constexpr int HauteurItemMin = 13;

    explicit TCouleurListBox(QWidget *proprietaire);

    // White outside 0 to 1000.
    TColor Couleur(int i) const;
    // The checked setter: refuses, with a message, a colour that a listed item already has.
    void DefinirCouleur(int i, TColor v);
    // Sets the colour without any test and announces the change.
    void ChangerCouleur(int i, TColor v);
    // True outside 0 to 1000.
    bool Actif(int i) const;
    void DefinirActif(int i, bool b);
    // The colour dialog for slot i; a confirmed colour goes through the checked setter. False when
    // the student cancelled it.
    bool ChoisirCouleur(int i);

    TColor AncienneCouleur() const { return ancienne_; }
    TColor NouvelleCouleur() const { return nouvelle_; }
    // The height of every item: 13 pixels, or more when the desktop's font needs it.
    int HauteurItem() const { return hauteurItem_; }
    // The slot of the last change.
    int CaseChangee() const { return caseChangee_; }

signals:
    void CouleurClick();
    void CouleurChange();
    void SourisEnfoncee(Qt::MouseButton bouton, QPoint position);
    void SourisRelachee(Qt::MouseButton bouton, QPoint position);
    void SourisDeplacee(QPoint position);
    void DoubleClic(QPoint position);
    // The selected item was changed with the keyboard (arrows, page keys, a typed letter).
    void SelectionChangeeAuClavier();

protected:
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void mouseDoubleClickEvent(QMouseEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;
    void changeEvent(QEvent *evenement) override;

private:
    bool selectionActive() const;
    void nommer(int i);
    void nommerTout();
    void ajusterHauteurItems();

    std::array<TColor, NombreCases> couleurs_{};
    std::array<bool, NombreCases> actifs_{};
    TColor ancienne_ = clWhite;
    TColor nouvelle_ = clWhite;
    int caseChangee_ = -1;
    int hauteurItem_ = HauteurItemMin;
    QList<TColor> personnalisees_;
};
