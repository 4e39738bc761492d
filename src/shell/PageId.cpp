#include "shell/PageId.h"

namespace shell {

QString formName(PageId id) {
    switch (id) {
    case PageId::Debut:
        return QStringLiteral("Debut");
    case PageId::Fonction:
        return QStringLiteral("Fonction");
    case PageId::Convent:
        return QStringLiteral("Convent");
    case PageId::Aimant:
        return QStringLiteral("Aimant");
    case PageId::Vide:
        return QStringLiteral("Vide");
    case PageId::Produit:
        return QStringLiteral("Produit");
    case PageId::PasSat:
        return QStringLiteral("PasSat");
    case PageId::Demag:
        return QStringLiteral("Demag");
    case PageId::Incomp:
        return QStringLiteral("Incomp");
    case PageId::RappCyc:
        return QStringLiteral("RappCyc");
    case PageId::ChargeTi:
        return QStringLiteral("ChargeTi");
    case PageId::Applic:
        return QStringLiteral("Applic");
    case PageId::Variat:
        return QStringLiteral("Variat");
    case PageId::FinProg:
        return QStringLiteral("FinProg");
    }
    return {};
}

} // namespace shell
