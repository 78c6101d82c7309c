#include "MemoireOuverture.h"

#include "colouring/TFormColoriage.h"
#include "common/Dialogues.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void Arret(const QString &texte)
{
    std::fprintf(stderr, "dialogue inattendu : %s\n", qPrintable(texte));
    std::exit(2);
}

class DialoguesArret final : public Dialogues {
public:
    void Message(const QString &texte) override { Arret(texte); }
    void Erreur(const QString &texte) override { Arret(texte); }
    void Rapport(const QString &, const QString &texte) override { Arret(texte); }
    void BoiteErreur(const QString &texte) override { Arret(texte); }
    bool Question(const QString &, const QString &texte, BoutonParDefaut) override { Arret(texte); }
    std::optional<QString> Saisie(const QString &, const QString &invite, const QString &) override { Arret(invite); }
    std::optional<TColor> ChoisirCouleur(TColor, QList<TColor> &) override { Arret(QStringLiteral("couleur")); }
    QString FichierAOuvrir(const QString &, const QString &, int, const QString &titre) override { Arret(titre); }
    QString FichierAEnregistrer(const QString &, const QString &, const QString &, bool, const QString &titre) override
    {
        Arret(titre);
    }
    ReponseEnregistrement EnregistrerModifications(const QString &texte) override { Arret(texte); }
    QString ChoisirTypeExercice() override { Arret(QStringLiteral("type d'exercice")); }
    bool Imprimer(QPrinter &) override { Arret(QStringLiteral("impression")); }
    void Apercu(QPrinter &, const std::function<void(QPrinter &)> &) override { Arret(QStringLiteral("aperçu")); }
};

// A line "Nom:   1234 kB" of /proc/self/status, in bytes.
double LigneStatus(const QByteArray &status, const char *nom)
{
    const QRegularExpression ligne(QStringLiteral("^%1:\\s*(\\d+) kB").arg(QLatin1String(nom)),
                                   QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = ligne.match(QString::fromLatin1(status));
    return m.hasMatch() ? m.captured(1).toDouble() * 1024 : 0;
}

// Counts the paints of a widget.
class Peintures final : public QObject {
public:
    int nombre = 0;
    bool eventFilter(QObject *, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Paint)
            ++nombre;
        return false;
    }
};

} // namespace

void InstallerDialoguesArret() { InstallerDialogues(std::make_unique<DialoguesArret>()); }

int OuvrirColoriageEtMesurer(int argc, char **argv)
{
    if (argc < 3)
        return 1;
    QApplication application(argc, argv);
    InstallerDialoguesArret();
    TFormColoriage fenetre;
    fenetre.Ouvrir(QString::fromLocal8Bit(argv[2]), QStringLiteral("p"));
    QWidget *vue = fenetre.findChild<QWidget *>(QStringLiteral("ImagePlan"));
    if (!vue)
        return 1;
    Peintures peintures;
    vue->installEventFilter(&peintures);
    fenetre.show();
    QElapsedTimer attente;
    attente.start();
    while (peintures.nombre == 0 && attente.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (peintures.nombre == 0)
        return 1;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray texte = status.readAll();
    std::printf("%.0f %.0f\n", LigneStatus(texte, "VmHWM"), LigneStatus(texte, "VmRSS"));
    return 0;
}

std::optional<MemoireProcessus> MemoireColoriageOuvert(const QString &programme, const QString &descripteur)
{
    QProcess enfant;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    enfant.setProcessEnvironment(environnement);
    enfant.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    enfant.start(programme, {QString::fromLatin1(OptionEnfant), descripteur});
    if (!enfant.waitForFinished(120000) || enfant.exitStatus() != QProcess::NormalExit || enfant.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> mots = enfant.readAllStandardOutput().simplified().split(' ');
    if (mots.size() != 2)
        return std::nullopt;
    return MemoireProcessus{mots[0].toDouble(), mots[1].toDouble()};
}
