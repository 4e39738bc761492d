#pragma once

// The catalogue of the course's pictures and icons: one row each.
//
// A picture's row gives its identifier, its size in logical pixels, its
// painter (a function of art::painters defined in the picture's own file,
// painting from the origin in logical pixels), whether the program embeds it
// drawn at build time at 100 % (for the title page, shown at once), what it
// is in a few words and what it shows and teaches (French, for screen
// readers, marked for lupdate and translated where they are read).
// Everything else about a picture follows from its row: its identifier in
// art::Picture, the declaration of its painter, the list of pictures drawn at
// build time.
//
// An icon's row gives its identifier, its painter, which paints the icon's
// design for 16 or 32 pixels, and whether the program embeds it drawn at
// build time at the sizes of a window icon (the window icon, shown at once).

#include <QtGlobal>

// clang-format off
#define ART_PICTURES(PICTURE) \
    PICTURE(Photo, 370, 200, photo, true, \
            QT_TRANSLATE_NOOP("art::Picture", "Photographie de transformateurs d'impulsions"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Photographie de trois transformateurs d'impulsions en boîtiers " \
                "différents : un modèle ouvert au bobinage apparent, un bloc moulé " \
                "vert et un boîtier plat noir à longues broches ; en dessous, le " \
                "symbole du transformateur à deux enroulements.")) \
    PICTURE(Emblem, 126, 139, emblem, true, \
            QT_TRANSLATE_NOOP("art::Picture", "Emblème de l'éditeur"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Emblème de l'éditeur, dans un hexagone orange.")) \
    PICTURE(Thyristor, 38, 35, thyristor, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Symbole d'un thyristor"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Symbole du thyristor : une diode dont la cathode porte l'électrode " \
                "de commande, la gâchette.")) \
    PICTURE(Triac, 43, 54, triac, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Symbole d'un triac"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Symbole du triac : deux thyristors montés tête-bêche avec une " \
                "gâchette commune ; il conduit dans les deux sens.")) \
    PICTURE(Transistor, 26, 42, transistor, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Symbole d'un transistor"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Symbole du transistor NPN : la base à gauche, le collecteur en haut, " \
                "l'émetteur fléché en bas.")) \
    PICTURE(DotConvention, 141, 155, dotConvention, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Transformateur d'impulsions"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Transformateur à deux enroulements dont un point marque les bornes " \
                "homologues : v1 et i1 entrant au primaire, i2 sortant et v2 au " \
                "secondaire sont orientés vers ces bornes.")) \
    PICTURE(MagnetisationCurve, 255, 184, magnetisationCurve, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Courbe d'aimantation"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Le flux croît proportionnellement au courant magnétisant jusqu'à la " \
                "valeur Im, puis reste constant : au-delà de Im, le circuit " \
                "magnétique est saturé.")) \
    PICTURE(Pulse10V, 233, 186, pulse10V, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Impulsion de 10 V"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Impulsion rectangulaire de 10 V pendant 10 µs : son aire vaut 100 " \
                "V.µs.")) \
    PICTURE(Pulses10V5V, 233, 186, pulses10V5V, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Impulsions de 10 V et de 5 V"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Deux impulsions de même aire, 100 V.µs : 10 V pendant 10 µs, et 5 V " \
                "pendant 20 µs, deux fois plus longue et deux fois moins haute.")) \
    PICTURE(SpeedDrives, 350, 295, speedDrives, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Variateurs de vitesse"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Photographie de variateurs de vitesse industriels pour moteurs " \
                "électriques, jaunes et gris, avec leurs claviers et afficheurs.")) \
    PICTURE(NoLoadAxes, 199, 179, noLoadAxes, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Oscillogrammes"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Axes des oscillogrammes de v1, v2 et i1 en fonction du temps.")) \
    PICTURE(NoLoadTransformer, 108, 85, noLoadTransformer, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Transformateur d'impulsions"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Transformateur à vide : le courant i1 entre au primaire sous la " \
                "tension v1 ; le secondaire ouvert ne débite pas, i2 est nul, et " \
                "présente la tension v2.")) \
    PICTURE(DemagAxes, 267, 137, demagAxes, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Courant magnétisant"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Axes du courant magnétisant i1 en fonction du temps.")) \
    PICTURE(DiodeKo, 239, 96, diodeKo, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Schéma du montage"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "La source E, l'interrupteur K ouvert et la diode D en parallèle sur " \
                "le primaire du transformateur : aucun courant ne circule.")) \
    PICTURE(DiodeKf, 239, 96, diodeKf, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Schéma du montage"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "K fermé : le courant i1 part de la source, traverse le primaire et " \
                "revient par K ; la diode D est bloquée.")) \
    PICTURE(DiodeKfo, 239, 96, diodeKfo, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Schéma du montage"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "K vient de s'ouvrir : le courant du primaire continue de circuler et " \
                "se referme par la diode D, qui démagnétise le circuit magnétique.")) \
    PICTURE(ZenKo, 239, 96, zenKo, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Schéma du montage"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "La source E, l'interrupteur K ouvert, et la diode D en série avec la " \
                "diode Zener Dz sur le primaire : aucun courant ne circule.")) \
    PICTURE(ZenKf, 239, 96, zenKf, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Schéma du montage"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "K fermé : le courant i1 part de la source, traverse le primaire et " \
                "revient par K ; les diodes D et Dz sont bloquées.")) \
    PICTURE(ZenKfo, 239, 96, zenKfo, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Schéma du montage"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "K vient de s'ouvrir : le courant du primaire se referme par la diode " \
                "D et la diode Zener Dz, dont la tension Vd + Vz accélère la " \
                "démagnétisation.")) \
    PICTURE(LoadCircuit, 295, 96, loadCircuit, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Schéma du montage"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Transformateur en charge : la source E et l'interrupteur K, dessiné " \
                "ouvert, alimentent le primaire, sous la tension v1 et parcouru par le " \
                "courant i1. En parallèle sur le primaire, la diode D, de tension Vd, en " \
                "série avec la diode Zener Dz, de tension Vz, assure la démagnétisation. Le " \
                "secondaire, sous la tension v2, débite le courant i2 dans la résistance R, " \
                "de tension v, à travers la diode Dr.")) \
    PICTURE(LoadCurves, 270, 283, loadCurves, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Oscillogrammes"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Oscillogrammes de l'exemple sur deux périodes, de haut en bas v1 et v2, " \
                "i1, i0, i2 et v ; K est fermé pendant la première moitié de chaque " \
                "période. v1 et v2, égales puisque m = 1, valent E quand K est fermé, puis " \
                "−Vz = −2 × E pendant la démagnétisation, qui ne dure que la moitié du " \
                "temps de fermeture, un quart de période, puis sont nulles jusqu'à la " \
                "fermeture suivante. i0, le courant magnétisant, forme un triangle : il " \
                "croît à partir de 0 pendant toute la fermeture, puis redescend à 0 deux " \
                "fois plus vite pendant la démagnétisation. i2 et v sont constants quand K " \
                "est fermé, v valant E, et nuls quand il est ouvert. i1 = i0 + i2 : à la " \
                "fermeture, un échelon égal à i2, puis la croissance de i0 ; à l'ouverture, " \
                "i1 retombe à i0 et décroît avec lui jusqu'à 0.")) \
    PICTURE(TriggerCircuit, 550, 99, triggerCircuit, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Schéma du déclencheur"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Déclencheur du pont mixte. À gauche, le boîtier « Alimentation 15V, " \
                "générateur d'impulsions synchronisé sur le secteur » délivre vi, qui " \
                "attaque la base du transistor H à travers la résistance Rb. L'émetteur de " \
                "H est à la masse ; son collecteur, parcouru par ic, sous la tension vce, " \
                "est relié au bas du primaire du transformateur Tr, dont le haut est à " \
                "l'alimentation 15 V. Le primaire est parcouru par i sous la tension v ; en " \
                "parallèle sur lui, la diode D, côté 15 V, en série avec la diode Zener Dz, " \
                "côté collecteur, conduit le courant iz. Chacun des deux secondaires, de " \
                "tensions v1 et v2, attaque la gâchette de son thyristor par une diode et " \
                "une résistance en série, Dg1 et Rg1 pour K1, Dg2 et Rg2 pour K2, avec les " \
                "courants de gâchette i1 et i2 et les tensions de gâchette vg1 et vg2 ; son " \
                "autre borne va à la cathode. Les points des bornes homologues sont en haut " \
                "du primaire et, sur chaque secondaire, du côté de la gâchette : les " \
                "gâchettes sont commandées quand H conduit. À droite, le pont des " \
                "thyristors K1 et K2 et des diodes D1 et D2, alimenté par la tension du " \
                "secteur vr, fournit vm au moteur M en série avec l'inductance de lissage " \
                "Lm.")) \
    PICTURE(TriggerCurves, 530, 200, triggerCurves, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Oscillogrammes"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Oscillogrammes du déclencheur sur deux périodes, chaque trace sur son axe " \
                "de temps. À gauche, de haut en bas, les tensions. vi : des créneaux de " \
                "10 V, 20 µs d'impulsion puis 20 µs à zéro. v : 15 V pendant l'impulsion ; " \
                "puis −(Vd + Vz) pendant la démagnétisation, plus courte que les 20 µs de " \
                "pause puisque Vd + Vz dépasse 15 V ; puis zéro. v1 et v2 : 7,5 V pendant " \
                "l'impulsion, puis la moitié de la tension négative de v pendant la " \
                "démagnétisation, m valant 1/2, puis zéro. vg1 et vg2 : environ 3 V, la " \
                "tension Vgt, pendant l'impulsion, nulles ensuite. vce : nulle pendant " \
                "l'impulsion, H étant saturé ; pendant la démagnétisation, le palier le " \
                "plus haut, E + Vz + Vd = 15 + 18 + 1 = 34 V, d'où Vce0 > 34 V ; puis 15 V " \
                "jusqu'à l'impulsion suivante. À droite, sous vi rappelé, les courants. i1 " \
                "et i2 : 150 mA pendant l'impulsion, nuls ensuite. i, le courant primaire, " \
                "que les calculs notent i1 : un échelon de 150 mA qui croît jusqu'à " \
                "150 + 18 = 168 mA à la fin de l'impulsion, puis une petite queue qui " \
                "décroît de 18 mA à 0 pendant la démagnétisation. iz : cette seule queue, " \
                "le courant magnétisant qui s'écoule par D et Dz. ic : égal à i pendant " \
                "l'impulsion, nul ensuite.")) \
    PICTURE(MainsPulses, 190, 115, mainsPulses, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Tension du secteur et trains d'impulsions"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "En haut, la tension du secteur vr avec, à chaque demi-période, un train " \
                "d'impulsions envoyé à l'instant d'amorçage, après un retard réglable " \
                "compté depuis le passage à zéro de vr ; en bas, la tension redressée du " \
                "moteur vm, remplie pendant la conduction des thyristors, de l'amorçage au " \
                "passage à zéro suivant.")) \
    PICTURE(PulseTrain, 120, 115, pulseTrain, false, \
            QT_TRANSLATE_NOOP("art::Picture", "Détail du train d'impulsions"), \
            QT_TRANSLATE_NOOP("art::Picture", \
                "Détail du train d'impulsions, vu à la loupe : des impulsions " \
                "rectangulaires dont la durée et l'intervalle valent chacun T/2, soit " \
                "20 µs."))

#define ART_ICONS(ICON) \
    ICON(Bridge, bridgeIcon, true)              /* program and window icon: a red bridge mirrored below */ \
    ICON(ArrowUp, arrowUpIcon, false)           /* "Fermer K" */ \
    ICON(ArrowDown, arrowDownIcon, false)       /* "Ouvrir K" */ \
    ICON(Oscilloscope, oscilloscopeIcon, false) /* oscilloscope screen, green grid, white sine wave */ \
    ICON(Book, bookIcon, false)                 /* an open book */ \
    ICON(Magnifier, magnifierIcon, false)       /* a magnifying glass over a yellow folder */
// clang-format on
