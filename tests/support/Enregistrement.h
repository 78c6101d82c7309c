#pragma once

#include <QObject>
#include <functional>
#include <memory>

// Each test file registers its QtTest classes; the subsystem's executable runs them all.
bool EnregistrerTest(std::function<std::unique_ptr<QObject>()> fabrique);

#define VELKORA_TEST(Classe)                                                                                           \
    namespace {                                                                                                        \
    const bool enregistrement_##Classe = EnregistrerTest([] { return std::make_unique<Classe>(); });                   \
    }
