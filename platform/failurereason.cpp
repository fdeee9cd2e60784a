#include "platform/failurereason.h"

#include <cerrno>
#include <cstring>

namespace plat {

QString failureReason(int errnum)
{
    switch (errnum) {
    case ENOENT:
        return QStringLiteral("Le fichier ou le dossier n'existe pas.");
    case EACCES:
    case EPERM:
        return QStringLiteral("Permission refusée.");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("Il n'y a plus de place sur le disque.");
    case EROFS:
        return QStringLiteral("Le disque est en lecture seule.");
    case EFBIG:
        return QStringLiteral("Le fichier est trop gros.");
    case EISDIR:
        return QStringLiteral("C'est un dossier.");
    case ENOTDIR:
        return QStringLiteral("Un élément du chemin n'est pas un dossier.");
    case ENAMETOOLONG:
        return QStringLiteral("Le nom du fichier est trop long.");
    case EIO:
        return QStringLiteral("Erreur d'entrée-sortie sur le disque.");
    default:
        return QString::fromLocal8Bit(std::strerror(errnum));
    }
}

} // namespace plat
