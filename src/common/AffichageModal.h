#pragma once

#include <QWidget>
#include <functional>

// Shows an exercise window maximised and application-modal, and returns once it is closed.
// Minimising and restoring the window keeps it open.
void AfficherModal(QWidget &fenetre);

using AffichageModal = std::function<void(QWidget &fenetre)>;
