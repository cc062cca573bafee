// Opening and closing many windows in one process does not grow its memory:
// 200 map windows, 200 identify windows and 200 fact sheets on the sample map.
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "factsheet/frmList.h"
#include "mapping/MapControl.h"
#include "mapping/frmIdentifyMap.h"
#include "mapping/frmMap.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPointer>
#include <QTest>

#include <malloc.h>
#include <unistd.h>

namespace {

// Resident memory in bytes, after handing freed memory back to the system.
long residentBytes()
{
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * sysconf(_SC_PAGESIZE) : 0;
}

} // namespace

TEST(Soak, TwoHundredMapsIdentifiesAndFactSheetsKeepMemoryFlat)
{
    FixtureApplication app;
    ASSERT_TRUE(QFile::link(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles"), app.folder() + "/ShapeFiles"));
    frmMain main;
    main.Load();
    main.show();
    frmList *list = main.ListWindow();
    SetCurrentSpID("1");

    long afterTen = 0;
    for (int round = 1; round <= 200; ++round) {
        QPointer<frmMap> map = new frmMap(&main);
        map->show();
        map->mapTree->repaint();
        // Identify the middle of the map (on land in South-East Asia).
        map->IdentifyPoint(map->mapTree->width() * 0.45, map->mapTree->height() * 0.6);
        for (frmIdentifyMap *identify : main.findChildren<frmIdentifyMap *>())
            identify->close();
        map->close();
        list->ViewInRich(QString::number(1 + round % 5));
        list->Colorize();
        QApplication::processEvents();
        ASSERT_TRUE(map.isNull() || (QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete), map.isNull()));
        if (round == 10)
            afterTen = residentBytes();
    }
    const long afterAll = residentBytes();
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer keeps freed memory in quarantine: the rounds still run
    // under it to find memory errors, but resident memory says nothing there.
    GTEST_SKIP() << "resident memory is not meaningful under AddressSanitizer";
#endif
    std::printf("soak: resident memory after 10 rounds %.1f MiB, after 200 rounds %.1f MiB (%+.1f %%)\n",
                afterTen / 1048576.0, afterAll / 1048576.0, 100.0 * (afterAll - afterTen) / afterTen);
    EXPECT_LE(afterAll, afterTen * 1.10);
}
