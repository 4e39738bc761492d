#pragma once

// The catalogue of the course's pictures and icons: one row each.
//
// A picture's row gives its identifier, its size in logical pixels, its
// painter (a function of art::painters defined in the picture's own file,
// painting from the origin in logical pixels), whether the program embeds it
// drawn at build time at 100 % (for the title page, shown at once), what it
// is in a few words and what it shows and teaches (French, for screen
// readers). Everything else about a picture follows from its row: its
// identifier in art::Picture, the declaration of its painter, the list of
// pictures drawn at build time.
//
// An icon's row gives its identifier, its painter, which paints the icon's
// design for 16 or 32 pixels, and whether the program embeds it drawn at
// build time at the sizes of a window icon (the window icon, shown at once).

// clang-format off
#define ART_PICTURES(PICTURE) \
    PICTURE(Photo, 370, 200, photo, true, "Photographie de transformateurs d'impulsions", \
            "Photographie de trois transformateurs d'impulsions en boîtiers " \
            "différents : un modèle ouvert au bobinage apparent, un bloc moulé " \
            "vert et un boîtier plat noir à longues broches ; en dessous, le " \
            "symbole du transformateur à deux enroulements.") \
    PICTURE(Emblem, 126, 139, emblem, true, "Emblème de l'éditeur", \
            "Emblème de l'éditeur, dans un hexagone orange.") \
    PICTURE(Thyristor, 38, 35, thyristor, false, "Symbole d'un thyristor", \
            "Symbole du thyristor : une diode dont la cathode porte l'électrode " \
            "de commande, la gâchette.") \
    PICTURE(Triac, 43, 54, triac, false, "Symbole d'un triac", \
            "Symbole du triac : deux thyristors montés tête-bêche avec une " \
            "gâchette commune ; il conduit dans les deux sens.") \
    PICTURE(Transistor, 26, 42, transistor, false, "Symbole d'un transistor", \
            "Symbole du transistor NPN : la base à gauche, le collecteur en haut, " \
            "l'émetteur fléché en bas.") \
    PICTURE(DotConvention, 141, 155, dotConvention, false, "Transformateur d'impulsions", \
            "Transformateur à deux enroulements dont un point marque les bornes " \
            "homologues : v1 et i1 entrant au primaire, i2 sortant et v2 au " \
            "secondaire sont orientés vers ces bornes.") \
    PICTURE(MagnetisationCurve, 255, 184, magnetisationCurve, false, "Courbe d'aimantation", \
            "Le flux croît proportionnellement au courant magnétisant jusqu'à la " \
            "valeur Im, puis reste constant : au-delà de Im, le circuit " \
            "magnétique est saturé.") \
    PICTURE(Pulse10V, 233, 186, pulse10V, false, "Impulsion de 10 V", \
            "Impulsion rectangulaire de 10 V pendant 10 µs : son aire vaut 100 " \
            "V.µs.") \
    PICTURE(Pulses10V5V, 233, 186, pulses10V5V, false, "Impulsions de 10 V et de 5 V", \
            "Deux impulsions de même aire, 100 V.µs : 10 V pendant 10 µs, et 5 V " \
            "pendant 20 µs, deux fois plus longue et deux fois moins haute.") \
    PICTURE(SpeedDrives, 350, 295, speedDrives, false, "Variateurs de vitesse", \
            "Photographie de variateurs de vitesse industriels pour moteurs " \
            "électriques, jaunes et gris, avec leurs claviers et afficheurs.") \
    PICTURE(NoLoadAxes, 199, 179, noLoadAxes, false, "Oscillogrammes", \
            "Axes des oscillogrammes de v1, v2 et i1 en fonction du temps.") \
    PICTURE(NoLoadTransformer, 108, 85, noLoadTransformer, false, "Transformateur d'impulsions", \
            "Transformateur à vide : le courant i1 entre au primaire sous la " \
            "tension v1 ; le secondaire ouvert ne débite pas, i2 est nul, et " \
            "présente la tension v2.") \
    PICTURE(DemagAxes, 267, 137, demagAxes, false, "Courant magnétisant", \
            "Axes du courant magnétisant i1 en fonction du temps.") \
    PICTURE(DiodeKo, 239, 96, diodeKo, false, "Schéma du montage", \
            "La source E, l'interrupteur K ouvert et la diode D en parallèle sur " \
            "le primaire du transformateur : aucun courant ne circule.") \
    PICTURE(DiodeKf, 239, 96, diodeKf, false, "Schéma du montage", \
            "K fermé : le courant i1 part de la source, traverse le primaire et " \
            "revient par K ; la diode D est bloquée.") \
    PICTURE(DiodeKfo, 239, 96, diodeKfo, false, "Schéma du montage", \
            "K vient de s'ouvrir : le courant du primaire continue de circuler et " \
            "se referme par la diode D, qui démagnétise le circuit magnétique.") \
    PICTURE(ZenKo, 239, 96, zenKo, false, "Schéma du montage", \
            "La source E, l'interrupteur K ouvert, et la diode D en série avec la " \
            "diode Zener Dz sur le primaire : aucun courant ne circule.") \
    PICTURE(ZenKf, 239, 96, zenKf, false, "Schéma du montage", \
            "K fermé : le courant i1 part de la source, traverse le primaire et " \
            "revient par K ; les diodes D et Dz sont bloquées.") \
    PICTURE(ZenKfo, 239, 96, zenKfo, false, "Schéma du montage", \
            "K vient de s'ouvrir : le courant du primaire se referme par la diode " \
            "D et la diode Zener Dz, dont la tension Vd + Vz accélère la " \
            "démagnétisation.") \
    PICTURE(LoadCircuit, 295, 96, loadCircuit, false, "Schéma du montage", \
            "Transformateur en charge : la source E et l'interrupteur K " \
            "alimentent le primaire, démagnétisé par D et Dz ; le secondaire " \
            "débite dans la résistance R à travers la diode Dr.") \
    PICTURE(LoadCurves, 270, 283, loadCurves, false, "Oscillogrammes", \
            "Oscillogrammes sur deux périodes : v1 et v2 valent E quand K est " \
            "fermé, puis deviennent négatives pendant la démagnétisation ; i2 et " \
            "v sont constants quand K est fermé ; i0 croît puis décroît en " \
            "triangle ; i1 est la somme de i0 et de i2.") \
    PICTURE(TriggerCircuit, 550, 99, triggerCircuit, false, "Schéma du déclencheur", \
            "Déclencheur du pont mixte : le générateur d'impulsions commande le " \
            "transistor H, qui alimente le primaire du transformateur Tr ; ses " \
            "deux secondaires commandent, par Dg1 et Rg1, Dg2 et Rg2, les " \
            "gâchettes des thyristors K1 et K2 du pont qui alimente le moteur M.") \
    PICTURE(TriggerCurves, 530, 200, triggerCurves, false, "Oscillogrammes", \
            "Oscillogrammes du déclencheur sur deux périodes. À gauche : vi " \
            "rectangulaire ; v et v1, v2 positives pendant l'impulsion, négatives " \
            "pendant la démagnétisation ; vg1, vg2 positives pendant l'impulsion " \
            "et nulles ensuite ; vce nulle pendant l'impulsion. À droite : i1, i2 " \
            "constants pendant l'impulsion ; i en échelon ; iz, la petite " \
            "décroissance de démagnétisation ; ic égal à i pendant l'impulsion.") \
    PICTURE(MainsPulses, 190, 115, mainsPulses, false, "Tension du secteur et trains d'impulsions", \
            "En haut, la tension du secteur vr avec un train d'impulsions à " \
            "chaque demi-période, à l'instant d'amorçage ; en bas, la tension " \
            "redressée du moteur vm, remplie pendant la conduction des " \
            "thyristors.") \
    PICTURE(PulseTrain, 120, 115, pulseTrain, false, "Détail du train d'impulsions", \
            "Détail du train d'impulsions : des impulsions rectangulaires dont la " \
            "durée et l'intervalle valent chacun T/2.")

#define ART_ICONS(ICON) \
    ICON(Bridge, bridgeIcon, true)              /* program and window icon: a red bridge mirrored below */ \
    ICON(ArrowUp, arrowUpIcon, false)           /* "Fermer K" */ \
    ICON(ArrowDown, arrowDownIcon, false)       /* "Ouvrir K" */ \
    ICON(Oscilloscope, oscilloscopeIcon, false) /* oscilloscope screen, green grid, white sine wave */ \
    ICON(Book, bookIcon, false)                 /* an open book */ \
    ICON(Magnifier, magnifierIcon, false)       /* a magnifying glass over a yellow folder */
// clang-format on
