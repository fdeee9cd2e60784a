#include "help/licenceholder.h"

TForm8 *Form8 = nullptr;

TForm8::TForm8(QWidget *parent)
    : plat::Form(QStringLiteral("Form8"), parent), Memo2(licenceText())
{
    resize(200, 100);
}

QStringList TForm8::licenceText()
{
    return {
        QStringLiteral("ORSIVA TAVILO - LICENCE D'UTILISATION"),
        QString(),
        QStringLiteral("Copyright (C) les auteurs d'Orsiva Tavilo."),
        QString(),
        QStringLiteral("Orsiva Tavilo est un logiciel libre. Vous pouvez l'utiliser, l'étudier, le "
                       "modifier et le redistribuer dans les conditions énoncées ci-dessous. Le "
                       "simple fait d'utiliser le programme vaut acceptation de cette licence."),
        QString(),
        QStringLiteral("1. Liberté d'utilisation"),
        QStringLiteral("Vous pouvez utiliser ce programme pour tout usage, personnel, scolaire, "
                       "associatif ou professionnel, sur autant d'ordinateurs que vous le souhaitez, "
                       "sans rien devoir à personne."),
        QString(),
        QStringLiteral("2. Liberté d'étude et de modification"),
        QStringLiteral("Le code source du programme est à votre disposition. Vous pouvez l'étudier, "
                       "l'adapter à vos besoins, en corriger les défauts et en améliorer le "
                       "fonctionnement."),
        QString(),
        QStringLiteral("3. Liberté de redistribution"),
        QStringLiteral("Vous pouvez donner ou vendre des copies du programme, modifié ou non, à "
                       "condition de les accompagner du code source correspondant et du texte de "
                       "la présente licence, et de ne pas restreindre les libertés qu'elle accorde "
                       "à ceux qui les reçoivent. Une version modifiée doit indiquer clairement "
                       "qu'elle a été modifiée, et par qui."),
        QString(),
        QStringLiteral("4. Vos fiches de vocabulaire"),
        QStringLiteral("Les fiches que vous créez avec Orsiva Tavilo vous appartiennent : vous les "
                       "diffusez comme vous l'entendez. Les fiches d'exemple livrées avec le "
                       "programme sont placées sous la même licence que lui."),
        QString(),
        QStringLiteral("5. Absence de garantie"),
        QStringLiteral("Ce programme est distribué dans l'espoir qu'il sera utile, mais SANS AUCUNE "
                       "GARANTIE, ni expresse ni implicite, notamment de qualité marchande ou "
                       "d'adéquation à un usage particulier. Vous l'utilisez à vos propres risques."),
        QString(),
        QStringLiteral("6. Limitation de responsabilité"),
        QStringLiteral("En aucun cas les auteurs ou les personnes qui redistribuent le programme ne "
                       "pourront être tenus pour responsables d'un dommage, quel qu'il soit, né de "
                       "son utilisation ou de l'impossibilité de l'utiliser, y compris la perte de "
                       "données."),
        QString(),
        QStringLiteral("Merci d'utiliser Orsiva Tavilo, et bon apprentissage !"),
    };
}
