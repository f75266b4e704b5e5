#include "publish/publish.h"

#include "publish/publishfolder.h"
#include "publish/sitedata.h"
#include "publish/sitepages.h"

namespace rzv {

namespace {

// The kinds of files, in the order they are written; the overview last.
using Seitenart = void (*)(const Seitendaten&, Ablage&);
constexpr Seitenart kSeitenarten[] = {schreibeGestaltung,       schreibeLaufseiten,
                                      schreibeStandseiten,      schreibeMannschaftsseiten,
                                      schreibeTeilnehmerseiten, schreibeUebersicht};

} // namespace

QStringList veroeffentlichen(const TCupContent& original, const QString& ordner, int stil,
                             const QDateTime& zeitpunkt,
                             const Mannschaftseinstellungen& mannschaft) {
    PublishFolder folder(ordner);
    TCupContent cup = original; // the pages are computed on a copy ordered by name
    const Seitendaten daten(cup, stil, zeitpunkt, mannschaft);
    Ablage ablegen([&](const QString& name, const QByteArray& bytes) { folder.schreiben(name, bytes); });
    for (const Seitenart schreibe : kSeitenarten)
        schreibe(daten, ablegen);
    folder.uebernehmen();
    return folder.dateien();
}

} // namespace rzv
