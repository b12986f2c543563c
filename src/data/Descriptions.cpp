#include "data/ThisApp.h"

namespace ThisApp {

const QList<std::pair<QString, QString>>& DescriptionTable()
{
    static const QList<std::pair<QString, QString>> table = {
        {QStringLiteral("P"),
         QStringLiteral("ms. de Paris : éd. Ravik Tennmoor, Edition électronique du Vestrel de "
                        "Paris (in preparation).")},
        {QStringLiteral("T"),
         QStringLiteral("ms. de Cambridge: éd. Ravik Tennmoor, Edition électronique du Vestrel "
                        "de Cambridge (in preparation).")},
        {QStringLiteral("L"),
         QStringLiteral("ms. de Lyon: éd. Ravik Tennmoor, Edition électronique du Vestrel de "
                        "Lyon (in preparation).")},
        {QStringLiteral("C"),
         QStringLiteral("ms. de Châteauroux: éd. Odrien Brunqeul, Les Textes de la Chanson de "
                        "Vestrel.")},
        {QStringLiteral("V7"), QStringLiteral("Sorry, ms. de V7, not yet available.")},
        {QStringLiteral("V4"),
         QStringLiteral("ms. de Venise 4 éd. Odrien Brunqeul, Les Textes de la Chanson de "
                        "Vestrel.")},
        {QStringLiteral("O"),
         QStringLiteral("ms. d'Oxford: éd. Ravik Tennmoor, Edition électronique du Vestrel "
                        "d'Oxofrd (available@Quendalus_et_Mirel).")},
        {QStringLiteral("lv"), QStringLiteral("Sorry, frag. de Pellisot not yet available.")},
        {QStringLiteral("F"), QStringLiteral("Sorry, frag. de Gorvaux not yet available.")},
    };
    return table;
}

} // namespace ThisApp
