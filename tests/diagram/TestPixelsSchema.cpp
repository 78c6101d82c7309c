#include "diagram/PixelsSchema.h"
#include "support/Enregistrement.h"

#include <QtTest>
#include <random>
#include <vector>

// Each version of the per-pixel passes the processor can run, against the rule written pixel by
// pixel here: runs of every length around the register widths, surface pixels in both layers, and
// nothing written past the run. The inputs are exactly as long as the run, so that the sanitizer
// build catches a read past it.
class TestPixelsSchema : public QObject {
    Q_OBJECT

    static constexpr std::uint32_t Surface = 0x00C8D0D4; // red D4, green D0, blue C8

    static std::vector<uchar> Rangee(std::mt19937 &hasard, int n, int surfaceSur)
    {
        std::vector<uchar> octets(std::size_t(3 * n));
        for (std::size_t i = 0; i < octets.size(); i += 3) {
            // Now and then a pixel differing from the surface in one byte only.
            const std::uint32_t v = hasard() % unsigned(surfaceSur) == 0 ? Surface
                                    : hasard() % 5 == 0                  ? Surface ^ (0xFFu << (8 * (hasard() % 3)))
                                                                         : std::uint32_t(hasard());
            octets[i] = uchar(v);
            octets[i + 1] = uchar(v >> 8);
            octets[i + 2] = uchar(v >> 16);
        }
        return octets;
    }

    static std::uint32_t Pixel(const std::vector<uchar> &o, int x)
    {
        const std::size_t i = std::size_t(3 * x);
        return o[i] | (std::uint32_t(o[i + 1]) << 8) | (std::uint32_t(o[i + 2]) << 16);
    }

private slots:
    void versions()
    {
        const auto versions = VersionsPixels();
        QVERIFY(!versions.empty());
        QVERIFY(versions.back().disponible()); // the one that runs anywhere
        std::mt19937 hasard(2024);
        for (const VersionPixels &version : versions) {
            if (!version.disponible())
                continue; // its instructions would stop the program
            for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 17, 23, 24, 25, 31, 33, 100, 1921}) {
                const std::vector<uchar> fond = Rangee(hasard, n, 3);
                const std::vector<uchar> traits = Rangee(hasard, n, 2);
                std::vector<uchar> ecrit(std::size_t(3 * n) + 16, 0xAB);
                std::vector<uchar> fichier(ecrit);
                std::vector<uchar> seul(ecrit);
                version.composer(fond.data(), traits.data(), ecrit.data(), n, Surface);
                version.composerFichier(fond.data(), traits.data(), fichier.data(), n, Surface);
                version.composerFichier(traits.data(), traits.data(), seul.data(), n, Surface);
                for (int x = 0; x < n; ++x) {
                    const QByteArray ou = QByteArray(version.nom) + ", " + QByteArray::number(n) + " pixels, pixel " +
                                          QByteArray::number(x);
                    const std::uint32_t t = Pixel(traits, x);
                    const std::uint32_t montre = t == Surface ? Pixel(fond, x) : t;
                    const auto enFichier = [](std::uint32_t v) {
                        return v == Surface ? 0xFFFFFFu : ((v & 0xFF) << 16) | (v & 0xFF00) | (v >> 16);
                    };
                    QVERIFY2(Pixel(ecrit, x) == montre, ou.constData());
                    QVERIFY2(Pixel(fichier, x) == enFichier(montre), ou.constData());
                    QVERIFY2(Pixel(seul, x) == enFichier(t), ou.constData());
                }
                for (const std::vector<uchar> *sortie : {&ecrit, &fichier, &seul}) {
                    for (std::size_t i = std::size_t(3 * n); i < sortie->size(); ++i)
                        QVERIFY2((*sortie)[i] == 0xAB, version.nom);
                }
            }
        }
    }
};

VELKORA_TEST(TestPixelsSchema)
#include "TestPixelsSchema.moc"
