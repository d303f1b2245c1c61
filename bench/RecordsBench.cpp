// The barcode records: the record manager's full read and list build of up to 5,999 records with
// Chinese fields (the model alone, and with the list widget filled), a filter on 5,999 records,
// and the main window's record-load panel read of 3,500 records. The row counts 1,000, 3,000 and
// 5,999 show how the read and the list grow with the file.
#include "BenchHosts.h"
#include "manager/RecordList.h"
#include "page/RecordLoadList.h"
#include "platform/LocalFileSystem.h"
#include "platform/MessageBoxes.h"
#include "records/BarcodeRecordFile.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

using namespace brevmark;

namespace {

// One records folder per row count, filled once.
struct RecordsFolder {
    QTemporaryDir dir;
    LocalFileSystem files;
    BarcodeRecordFile file{files, dir.path()};

    explicit RecordsFolder(int rows) {
        const QStringList categories{"飲料", "零食", "文具", "日用品", "冷凍食品", "生鮮蔬果"};
        const QStringList names{"烏龍茶 600ml", "綠茶",          "洋芋片 原味", "原子筆 0.5mm 藍",
                                "衛生紙",       "冷凍水餃 韭菜", "高麗菜",      "牛奶 1L"};
        QString text;
        for (int i = 0; i < rows; ++i) {
            BarcodeRecord r;
            r[0] = QStringLiteral("TW-%1").arg(100000 + i);
            r[1] = categories.at(i % categories.size());
            r[2] = names.at(i % names.size()) + QString::number(i);
            r[3] = QStringLiteral("NT$%1").arg(25 + i % 300);
            r[4] = QStringLiteral("2024年%1月%2日").arg(1 + i % 12).arg(1 + i % 28);
            r[5] = QStringLiteral("倉庫 %1 區").arg(i % 9);
            text += BarcodeRecordFile::recordLine(r);
        }
        files.replaceText(file.filePath(), text);
    }
    static RecordsFolder& of(int rows) {
        static std::map<int, std::unique_ptr<RecordsFolder>> folders;
        auto& slot = folders[rows];
        if (!slot)
            slot = std::make_unique<RecordsFolder>(rows);
        return *slot;
    }
};

RecordList listFrom(const BarcodeRecordFile::ReadResult& read) {
    RecordList list;
    list.setCaptions({"條碼", "種類", "名稱", "售價", "進貨日期", "存放", "自訂"});
    list.setLastField(5);
    list.setTables(read.records, read.records);
    return list;
}

void BM_ManagerReadAndBuild(benchmark::State& state) {
    RecordsFolder& folder = RecordsFolder::of(int(state.range(0)));
    for (auto _ : state) {
        const auto read = folder.file.readAll();
        RecordList list = listFrom(read);
        list.build();
        if (list.lines().size() != state.range(0) + 1)
            state.SkipWithError("wrong line count");
        benchmark::DoNotOptimize(list.lines().constData());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ManagerReadAndBuild)
    ->Arg(1000)
    ->Arg(3000)
    ->Arg(5999)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// As the window does it: the read, the list and the list widget filled with its lines.
void BM_ManagerShowsList(benchmark::State& state) {
    RecordsFolder& folder = RecordsFolder::of(int(state.range(0)));
    QListWidget widget;
    QFont font(QStringLiteral("AR PL UMing TW"));
    font.setPixelSize(14);
    widget.setFont(font);
    widget.setUniformItemSizes(true);
    widget.resize(1040, 492);
    for (auto _ : state) {
        const auto read = folder.file.readAll();
        RecordList list = listFrom(read);
        list.build();
        widget.clear();
        widget.addItems(list.lines());
        if (widget.count() != state.range(0) + 1)
            state.SkipWithError("wrong line count");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ManagerShowsList)
    ->Arg(1000)
    ->Arg(3000)
    ->Arg(5999)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_ManagerFilter(benchmark::State& state) {
    RecordsFolder& folder = RecordsFolder::of(5999);
    RecordList list = listFrom(folder.file.readAll());
    RecordEntry texts;
    texts[0] = QStringLiteral("TW-1");
    texts[1] = QStringLiteral("飲");
    for (auto _ : state) {
        list.filter(texts);
        if (list.display().size() != 1000) // TW-100000..TW-105998, every sixth a drink
            state.SkipWithError("wrong filter result");
        benchmark::DoNotOptimize(list.lines().constData());
    }
}
BENCHMARK(BM_ManagerFilter)->Unit(benchmark::kMillisecond);

void BM_LoadPanelRead(benchmark::State& state) {
    RecordsFolder& folder = RecordsFolder::of(5999);
    for (auto _ : state) {
        const auto read = folder.file.readForLoadPanel();
        RecordLoadList panel;
        panel.setLastShownField(6);
        panel.load(read.records);
        if (panel.rows().size() != BarcodeRecordFile::loadPanelLimit ||
            panel.values(0).size() != BarcodeRecordFile::loadPanelLimit)
            state.SkipWithError("wrong panel contents");
        benchmark::DoNotOptimize(panel.values(1).constData());
    }
}
BENCHMARK(BM_LoadPanelRead)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
