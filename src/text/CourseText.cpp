// The texts of the course, in the order in which they are written into the
// pages. Lines are separated by CR LF; a paragraph starts with five blanks; a
// symbol in a sentence is set off by two blanks on each side; products are
// written with the multiplication sign, one blank on each side.
//
// Every piece that holds words goes through tr() (French is the source
// language); formulas and symbols, which read the same in every language,
// are written as they are.

#include "text/CourseText.h"
#include "palette/Palette.h"
#include "version/Version.h"

#include <QCoreApplication>

namespace text {
namespace {

/// \brief The course text table, translated in the context text::CourseText.
class CourseText {
    Q_DECLARE_TR_FUNCTIONS(text::CourseText)

public:
    static QList<TextEntry> build();
};

using shell::PageId;

const QString CrLf = QStringLiteral("\r\n");
const QString Indent = QString(5, QLatin1Char(' '));

/// The lines joined by CR LF (no break after the last).
QString lines(std::initializer_list<QString> parts) {
    return QStringList(parts).join(CrLf);
}

/// A product: the pieces joined by the multiplication sign with a blank on each side.
QString times(std::initializer_list<QString> parts) {
    return QStringList(parts).join(QStringLiteral(" \u00D7 "));
}

QString blanks(int n) {
    return QString(n, QLatin1Char(' '));
}

QList<TextEntry> CourseText::build() {
    using namespace palette;

    QList<TextEntry> t;

    // 1-2: the no-load page
    t.append({PageId::Vide, QStringLiteral("TextLegende"), std::nullopt,
              lines({tr("n1: nombre de spires du primaire"),
                     tr("n2: nombre de spires du secondaire"), tr("L: inductance principale")})});
    t.append(
        {PageId::Vide, QStringLiteral("TextVide"), std::nullopt,
         lines({Indent + tr("Le secondaire étant déconnecté (i2=0), on applique au "
                            "primaire un échelon de tension d'amplitude  E : le "
                            "transformateur se réduit alors à une inductance de "
                            "valeur  L ."),
                QStringLiteral(" ") + times({QStringLiteral("v1 = E = L"),
                                             QStringLiteral("di1/dt    =>    i1 = ( E / L )"),
                                             tr("t    =>    le courant  i1  croît linéairement.")}),
                Indent +
                    tr("Cette variation du courant  i1  produit une variation du "
                       "flux, d'où l'apparition d'une tension au secondaire: ") +
                    times({QStringLiteral("v2 = ( n2/n1 )"), QStringLiteral("E ")})}) +
             CrLf});

    // 3-4: the magnetisation curve
    t.append({PageId::Aimant, QStringLiteral("TextModel"), std::nullopt,
              Indent + tr("Le circuit magnétique d'un transformateur d'impulsions "
                          "peut être modélisé par la caractéristique suivante:")});
    t.append({PageId::Aimant, QStringLiteral("TextSaturation"), GreyGreen,
              lines({Indent + tr("Lorsque le courant magnétisant atteint la valeur "
                                 "Im, le circuit magnétique est saturé: le flux reste "
                                 "constant et la tension secondaire  v2  est donc "
                                 "nulle, puisque le flux ne varie plus."),
                     Indent + tr("Il faut donc éviter la saturation du circuit "
                                 "magnétique pour que le signal soit transmis "
                                 "intégralement.")})});

    // 5: the dot convention
    t.append(
        {PageId::Convent, QStringLiteral("TextConvention"), std::nullopt,
         lines({tr("Le cercle plein indique les bornes homologues du "
                   "transformateur:"),
                tr("lorsque la tension  v1  est positive,"), tr("le courant  i1  est rentrant,"),
                tr("le courant  i2  est sortant,"), tr("la tension  v2  est positive.")})});

    // 6-9: the E x t product
    t.append({PageId::Produit, QStringLiteral("Text10V"), Teal,
              tr("une impulsion d'amplitude  10V  et de durée  10µs")});
    t.append({PageId::Produit, QStringLiteral("Text5V"), Azure,
              tr("une impulsion d'amplitude  5V  et de durée  20µs")});
    t.append({PageId::Produit, QStringLiteral("TextProduit"), std::nullopt,
              lines({Indent + tr("Le courant magnétisant est régi par l'équation: ") +
                         times({QStringLiteral("i = ( E"), QStringLiteral("t ) / L ")}),
                     Indent +
                         tr("La valeur de  L  est donnée par le constructeur du "
                            "transformateur d'impulsions. Elle dépend de la nature du "
                            "matériau ferromagnétique et du bobinage. La valeur  Im  de  i "
                            " qui sature le circuit magnétique est atteinte d'autant plus "
                            "vite que le terme  ") +
                         times({QStringLiteral("E"), tr("t  est grand: le produit  E"),
                                tr("t  caractérise la plus grande surface d'impulsion "
                                   "transmissible au secondaire. ")})})});
    t.append({PageId::Produit, QStringLiteral("TextExemple"), std::nullopt,
              Indent + tr("Par exemple, un transformateur dont le produit   ") +
                  times({QStringLiteral("E"), tr("t = 100 V.µs   peut transmettre:")})});

    // 10: saturation on the no-load page
    t.append({PageId::Vide, QStringLiteral("TextSaturation"), Red,
              Indent + tr("Si l'échelon de tension a une durée trop importante, le "
                          "courant  i1  atteint la valeur  Im  et sature le circuit "
                          "magnétique: i1  augmente alors brusquement, son amplitude "
                          "n'étant plus limitée que par la résistance de "
                          "l'enroulement primaire et par la puissance du générateur "
                          "qui fournit  E ; la tension  v2  devient nulle.")});

    // 11-12: the function of a pulse transformer
    t.append({PageId::Fonction, QStringLiteral("TextFonction"), std::nullopt,
              lines({Indent + tr("Le transformateur d'impulsions permet la "
                                 "transmission d'un signal, tout en assurant un bon "
                                 "isolement galvanique entre le primaire et le "
                                 "secondaire."),
                     QString(), Indent + tr("Il est principalement utilisé pour la commande des"),
                     blanks(10) + tr("Thyristors,") + blanks(15) + tr("Triacs,") + blanks(15) +
                         tr("Transistors.")})});
    t.append({PageId::Fonction, QStringLiteral("TextAvantages"), GreyGreen,
              lines({Indent + tr("Ses avantages sont les suivants:"),
                     tr("\t- fréquence de fonctionnement élevée,"),
                     tr("\t- courant de sortie important,"), tr("\t- bonne tenue en tension,"),
                     tr("\t- simplicité de mise en oeuvre.")})});

    // 13: choosing a transformer
    t.append({PageId::PasSat, QStringLiteral("TextPasSaturer"), Yellow,
              lines({tr("Pour ne pas saturer le circuit magnétique,"),
                     tr("il faut choisir un transformateur d'impulsions"),
                     tr("dont le produit  ") + times({QStringLiteral("E"), QStringLiteral("t")}),
                     tr("soit supérieur à la surface maximale"),
                     tr("de l'impulsion à transmettre !")})});

    // 14-17: demagnetisation
    t.append({PageId::Demag, QStringLiteral("TextDemag(0)"), std::nullopt,
              tr("Lorsque K se ferme, le courant  i1  croît.")});
    t.append({PageId::Demag, QStringLiteral("TextDemag(1)"), std::nullopt,
              lines({tr("Quand il atteint la valeur  I  , l'énergie accumulée dans "
                        "le circuit magnétique vaut:"),
                     times({QStringLiteral("W = 1/2"), QStringLiteral("L"),
                            tr("I ² . A cet instant  K  s'ouvre.")})})});
    t.append({PageId::Demag, QStringLiteral("TextDemag(2)"), std::nullopt,
              lines({tr("L'énergie s'évacue à travers la diode  D  et le courant  i1 "
                        " décroît suivant la loi:"),
                     times({QStringLiteral("L"), QStringLiteral("di1/dt = Vd   =>   i1 = I - Vd"),
                            QStringLiteral("(t - tI) / L ")}),
                     tr("C'est la phase de démagnétisation du circuit magnétique.")})});
    t.append(
        {PageId::Demag, QStringLiteral("TextDemag(3)"), Red,
         lines({tr("Pour accélérer la démagnétisation, on ajoute une diode Zener  Dz  "
                   "en série avec la diode  D ."),
                tr("L'équation du courant devient:"),
                times({QStringLiteral("i1 = I - (Vd + Vz)"), QStringLiteral("(t - t I) / L ")})})});

    // 18-19: incomplete demagnetisation
    t.append({PageId::Incomp, QStringLiteral("TextIncomp(0)"), std::nullopt,
              lines({tr("L'interrupteur  K  est fermé pendant la durée  T/2, ouvert "
                        "pendant la même durée, puis refermé..."),
                     tr("Si le terme  Vd + Vz  est inférieur à  E , la démagnétisation "
                        "est incomplète car  i1  ne peut décroître"),
                     tr("de  I  à  0  pendant la durée  T/2.")})});
    t.append({PageId::Incomp, QStringLiteral("TextIncomp(1)"), Red,
              tr("Les impulsions de sortie sont raccourcies !")});

    // 20: the duty cycle
    t.append(
        {PageId::RappCyc, QStringLiteral("TextRappCyc"), Yellow,
         lines({tr("Dans le cas d'un train d'impulsions"), tr("de rapport cyclique 1/2"),
                tr("et pour ne pas saturer le circuit magnétique,"),
                tr("il faut choisir une diode Zener"), tr("dont la tension de seuil est telle"),
                tr("que le terme  Vd+Vz  soit supérieur à  E .")})});

    // 21-22: the load page
    t.append({PageId::ChargeTi, QStringLiteral("TextCharge(0)"), std::nullopt,
              lines({tr("i0  est le courant magnétisant."),
                     tr("n1  est le nombre de spires du primaire."),
                     tr("n2  est le nombre de spires du secondaire."),
                     tr("m  est le rapport de transformation: m = n2 / n1 "), QString(),
                     tr("Lorsque  K  est fermé:  ") +
                         times({QStringLiteral("i1 = i0 + m"), QStringLiteral("i2 ")}),
                     tr("Lorsque  K  est ouvert:  i1 = i0 (démagnétisation)"), QString(),
                     tr("Dans le cas où  m = 1, les équations deviennent:"),
                     tr("K  fermé:  i1 = i0 + i2 "), tr("K  ouvert:  i1 = i0 ")}) +
                  CrLf + CrLf});
    t.append({PageId::ChargeTi, QStringLiteral("TextCharge(1)"), Teal,
              lines({tr("Exemple:"), tr("On néglige les tensions de seuil des diodes  D  et  Dr ."),
                     tr("La diode Zener est choisie telle que"),
                     times({QStringLiteral("Vz = 2"), QStringLiteral("E ")}),
                     tr("Le rapport de transformation est  m = 1 d'où:"),
                     tr("v2 = v1  et  i1 = i0 + i2")})});

    // 23: the fields of use
    t.append({PageId::Variat, QStringLiteral("TextVariateur"), std::nullopt,
              tr("Les transformateurs d'impulsions sont des composants très utilisés "
                 "dans les variateurs de vitesse pour moteurs électriques. Ils y "
                 "assurent l'isolement des signaux de commande des semi-conducteurs "
                 "de puissance.")});

    // 24: the end page
    t.append({PageId::FinProg, QStringLiteral("TextFin"), std::nullopt,
              lines({tr("TRANSFORMATEUR  D'IMPULSIONS V%1").arg(QLatin1StringView(version::Shown)),
                     tr("Cours réalisé par les Éditions Ferrite, 1996-2026."),
                     tr("Du même auteur, dans la même collection:"), tr("- Le hacheur série,"),
                     tr("- Le redresseur commandé monophasé,"), tr("- L'onduleur autonome,"),
                     tr("- Le moteur à courant continu,"), tr("- Le gradateur monophasé.")})});

    // 25-26: the application
    t.append(
        {PageId::Applic, QStringLiteral("TextExplication"), std::nullopt,
         lines({tr("Explications relatives au montage:"),
                tr("Le transformateur  Tr  est alimenté sous  15v  lorsque le transistor  H  est "
                   "saturé. Le générateur d'impulsions délivre un signal rectangulaire  vi  de "
                   "rapport cyclique 1/2, d'amplitude  10v  et de fréquence  25 KHz, synchronisé "
                   "sur le secteur qui alimente le redresseur commandé  K1-K2-D1-D2, un pont "
                   "mixte asymétrique. Après un retard réglable par rapport au passage à zéro "
                   "de la tension du secteur, un train d'impulsions est envoyé sur les gâchettes "
                   "des thyristors  K1  et  K2 ; bien qu'ils reçoivent la commande au même "
                   "instant, chacun ne conduit que si sa tension anode-cathode est positive. "
                   "Grâce à ses deux secondaires,  Tr  commande à partir du seul signal  vi  les "
                   "thyristors  K1  et  K2, dont les cathodes ne sont pas au même potentiel. "
                   "Lm  est une inductance de lissage du courant du moteur. ")})});
    t.append({PageId::Applic, QStringLiteral("TextCalculs"), std::nullopt,
              lines({Indent + tr("Les thyristors  K1  et  K2  utilisés ont pour référence "
                                 "BTW66-400."),
                     Indent + tr("Le courant de gâchette continu nécessaire à leur "
                                 "amorçage est  Igt(max) = 50 mA."),
                     Indent + tr("La chute de tension cathode-gâchette est  "
                                 "Vgt(max) = 3V."),
                     QString(),
                     tr("Rappel:  vi  est un signal rectangulaire"),
                     tr("- d'amplitude  10V,"),
                     tr("- de fréquence  25KHz,"),
                     tr("- de rapport cyclique  1/2."),
                     QString(),
                     Indent +
                         tr("Igt(max)  est le courant minimal continu qui garantit "
                            "l'amorçage du thyristor. Les impulsions de commande "
                            "ayant un rapport cyclique de 1/2, l'amplitude du "
                            "courant de gâchette doit être au moins de  ") +
                         times({QStringLiteral("2"), QStringLiteral("50 = 100mA.")}),
                     Indent + tr("Avec une marge de sécurité de  50%, l'amplitude du "
                                 "courant de gâchette est de  150mA  par thyristor."),
                     QString(),
                     Indent + tr("Afin de réduire le courant au primaire de  Tr, et donc "
                                 "dans le transistor  H, on choisit un rapport de "
                                 "transformation  m = 1/2."),
                     Indent + tr("La durée d'une impulsion est:  1 / (") +
                         times({QStringLiteral("2"), QStringLiteral("25000) = 20µs .")}) +
                         tr("  Le transformateur doit donc avoir un produit  ") +
                         times({QStringLiteral("E"), tr("t  supérieur à  15"),
                                QStringLiteral("20 = 300 V.µs .")}),
                     Indent + tr("Le transformateur d'impulsions choisi a pour référence "
                                 " IT249"),
                     tr("et pour caractéristiques techniques: m=1/2,  E\u00D7t=330V.µs,  "
                        "L=17mH ,  Ig(max)=250mA ."),
                     QString(),
                     Indent + tr("v1 = v2 = 15/2 = 7,5V."),
                     Indent + tr("En prenant une chute de tension de  1V  dans les diodes "
                                 " Dg1  et  Dg2,"),
                     tr("Rg1 = Rg2 = (7,5 - 3 - 1) / 0,15 = 23,3 Ohms (valeur normalisée  "
                        "22 Ohms / 0,5W)."),
                     QString(),
                     Indent + tr("Le courant magnétisant maximal vaut:  ") +
                         times({QStringLiteral("E"), QStringLiteral("t / L = 15"),
                                tr("0,00002 / 0,017 = 18 mA.")}),
                     tr("Le courant primaire  i1 = 150 + 18 = 168 mA  est porté à  200 mA  "
                        "par marge de sécurité."),
                     tr("En utilisant un transistor de gain minimal  100  et de  "
                        "Vbe(sat)=1V,"),
                     tr("Rb = (10 - 1) / 0,002 = 4,5 K (valeur normalisée 3,9K)."),
                     QString(),
                     Indent + tr("D, Dg1  et  Dg2  sont des diodes de commutation rapide  "
                                 "(1N4148)."),
                     Indent + tr("Dz  (BZX55C)  a une tension de seuil de  18V  "
                                 "(>15V pour démagnétisation complète)."),
                     Indent + tr("Le transistor  H  (2N1711)  doit supporter une tension  "
                                 "Vce0 > 15 + 18 + 1 = 34V.")})});
    return t;
}

} // namespace

const QList<TextEntry> &courseTextTable() {
    static const QList<TextEntry> table = CourseText::build();
    return table;
}

} // namespace text
