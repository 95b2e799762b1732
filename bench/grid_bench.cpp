// The data grid set up as the program's file list against a QTableView over a table model holding the same
// 100,000 rows as records (texts as QStrings, numbers shown as the same text, the icon as decoration, the
// check box as check state): same font, widths, 21-pixel row pitch and 22-pixel header, both 1280x720 on
// the offscreen platform. Measured: painting the viewport at row 50,000 with ten rows selected into an image
// (goal: at most 2x), filling from prepared records with one paint (at most 3x; the memory each fill adds
// is printed), sorting by a text column with one paint (at most 2x), and a page down plus a page up at row
// 100 against row 99,000 (within 1.2x of each other), without and with painting.

#include "platform/gui/forms/application.h"
#include "platform/gui/forms/forms.h"
#include "platform/gui/graphics/bitmap.h"
#include "platform/gui/windows/scroll_bars.h"
#include "platform/gui/windows/window_functions.h"
#include "ratio_reporter.h"
#include "tests/grid/program_grids.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPixmap>
#include <QTableView>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <numeric>
#include <vector>

namespace {

using namespace program_grids;

constexpr int kRows = 100000;
constexpr int kWidth = 1280;
constexpr int kHeight = 720;

const std::vector<TFileRecord>& Records()
{
    static const std::vector<TFileRecord> records = MakeFileRecords(kRows);
    return records;
}

// The heap's blocks in use, with those large enough to be mapped on their own (a large vector, a chunk of
// the grid's cell memory), which the heap's own count leaves out.
size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Milliseconds a call takes, once.
template <typename Work> double Once(Work work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void ProcessEvents()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// --- the table model ---------------------------------------------------------------------------------------

struct TQtRecord
{
    bool active = true;
    QString texts[14];
    int numbers[13] = {};
};

class TFileTableModel : public QAbstractTableModel
{
public:
    TFileTableModel()
    {
        QPixmap icon(16, 16);
        icon.fill(QColor(0xBF, 0x7F, 0x3F));
        icon_ = icon;
    }
    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(records_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : kColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const TQtRecord& record = records_[static_cast<size_t>(index.row())];
        const int column = index.column();
        if (role == Qt::CheckStateRole && column == kCheckColumn)
            return record.active ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::DecorationRole && column == kIconColumn)
            return icon_;
        if (role == Qt::TextAlignmentRole && column >= kFirstNumberColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        if (column >= kFirstNumberColumn)
            return QString::number(record.numbers[column - kFirstNumberColumn]);
        if (column >= kFirstTextColumn)
            return record.texts[column - kFirstTextColumn];
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        if (section >= kFirstNumberColumn)
            return QString(kNumberColumns[section - kFirstNumberColumn]);
        if (section >= kFirstTextColumn)
            return QString(kTextColumns[section - kFirstTextColumn]);
        return {};
    }
    void Fill(const std::vector<TFileRecord>& records)
    {
        beginInsertRows({}, 0, static_cast<int>(records.size()) - 1);
        records_.resize(records.size());
        for (size_t row = 0; row < records.size(); ++row) {
            records_[row].active = records[row].active;
            for (int i = 0; i < 14; ++i)
                records_[row].texts[i] = QString::fromStdString(records[row].texts[static_cast<size_t>(i)]);
            for (int i = 0; i < 13; ++i)
                records_[row].numbers[i] = records[row].numbers[static_cast<size_t>(i)];
        }
        endInsertRows();
    }
    void Clear()
    {
        beginResetModel();
        records_.clear();
        records_.shrink_to_fit();
        endResetModel();
    }
    // Ordinal order of the column's texts; the persistent indexes (the selection) follow their rows.
    void sort(int column, Qt::SortOrder order) override
    {
        emit layoutAboutToBeChanged();
        std::vector<int> byText(records_.size());
        std::iota(byText.begin(), byText.end(), 0);
        const int text = column - kFirstTextColumn;
        std::sort(byText.begin(), byText.end(), [&](int a, int b) {
            const int compared =
                QString::compare(records_[static_cast<size_t>(a)].texts[text],
                                 records_[static_cast<size_t>(b)].texts[text], Qt::CaseSensitive);
            return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
        });
        std::vector<TQtRecord> sorted(records_.size());
        std::vector<int> newRow(records_.size());
        for (size_t place = 0; place < byText.size(); ++place) {
            sorted[place] = std::move(records_[static_cast<size_t>(byText[place])]);
            newRow[static_cast<size_t>(byText[place])] = static_cast<int>(place);
        }
        records_ = std::move(sorted);
        const QModelIndexList from = persistentIndexList();
        QModelIndexList to;
        for (const QModelIndex& index : from)
            to.append(this->index(newRow[static_cast<size_t>(index.row())], index.column()));
        changePersistentIndexList(from, to);
        emit layoutChanged();
    }

private:
    std::vector<TQtRecord> records_;
    QPixmap icon_;
};

struct TTableSide
{
    TTableSide()
    {
        view.setModel(&model);
        QFont font("DejaVu Sans", 8);
        view.setFont(font);
        view.horizontalHeader()->setFont(font);
        view.horizontalHeader()->setFixedHeight(22);
        view.verticalHeader()->setDefaultSectionSize(21);
        view.verticalHeader()->setMinimumSectionSize(21);
        view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        view.verticalHeader()->setFixedWidth(12);
        view.setSelectionBehavior(QAbstractItemView::SelectRows);
        view.setSelectionMode(QAbstractItemView::ExtendedSelection);
        view.resize(kWidth, kHeight);
        view.show();
        Records();
        const size_t before = HeapInUse();
        firstFill = Once([&] { model.Fill(Records()); });
        firstFillBytes = HeapInUse() - before;
        for (int column = 0; column < kColumnCount; ++column)
            view.setColumnWidth(column, column < kFirstTextColumn     ? 22
                                        : column == kFirstTextColumn  ? 180
                                        : column < kFirstNumberColumn ? 90
                                                                      : 70);
        ProcessEvents();
    }
    void ShowRowsAt(int row)
    {
        view.clearSelection();
        for (int i = 0; i < 10; ++i)
            view.selectionModel()->select(model.index(row + i, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view.scrollTo(model.index(row, 0), QAbstractItemView::PositionAtTop);
        ProcessEvents();
    }
    void PaintInto(QImage& image) { view.render(&image); }

    TFileTableModel model;
    QTableView view;
    double firstFill = 0;      // milliseconds, on a heap that never held rows
    size_t firstFillBytes = 0; // what the first fill added to the heap
};

TTableSide& Table()
{
    static TTableSide* side = new TTableSide;
    return *side;
}

// --- the data grid -----------------------------------------------------------------------------------------

struct TGridSide
{
    TGridSide() : form(new TForm(Application))
    {
        form->SetBounds(0, 0, kWidth, kHeight);
        grid = new TDataGrid(form);
        grid->SetParent(form);
        grid->SetAlign(alClient);
        SetUpFileList(grid, form);
        form->Show();
        Records(); // prepared before, as the window prepares them
        const size_t before = HeapInUse();
        firstFill = Once([&] { FillFileList(grid, Records()); });
        firstFillBytes = HeapInUse() - before;
        ProcessEvents();
    }
    void ShowRowsAt(int row)
    {
        grid->SetSelectedRow(row);
        grid->SelectRange(row, row + 9, true);
        grid->VertScrollBar()->SetPosition(row);
        ProcessEvents();
    }
    void PaintInto(TBitmap& image) { grid->PaintTo(*image.Canvas(), 0, 0); }

    TForm* form;
    TDataGrid* grid;
    double firstFill = 0;
    size_t firstFillBytes = 0;
};

TGridSide& Grid()
{
    static TGridSide* side = new TGridSide;
    return *side;
}

// --- painting one viewport ---------------------------------------------------------------------------------

void BM_GridPaintViewport(benchmark::State& state)
{
    TGridSide& side = Grid();
    side.ShowRowsAt(50000);
    TBitmap image(kWidth, kHeight, pf32bit);
    for (auto _ : state)
        side.PaintInto(image);
}

void BM_TablePaintViewport(benchmark::State& state)
{
    TTableSide& side = Table();
    side.ShowRowsAt(50000);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state)
        side.PaintInto(image);
}

// --- filling from prepared records -------------------------------------------------------------------------

void BM_GridFill(benchmark::State& state)
{
    TGridSide& side = Grid();
    TBitmap image(kWidth, kHeight, pf32bit);
    size_t added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        side.grid->ClearRows();
        // The cleared store keeps its memory for the next rows, as the heap keeps the table's freed blocks:
        // counted as free here, like those, so that the figure is what the rows take.
        const size_t before = HeapInUse() - side.grid->CellStore()->MemorySize();
        state.ResumeTiming();
        FillFileList(side.grid, Records());
        side.PaintInto(image);
        state.PauseTiming();
        added = HeapInUse() - before;
        state.ResumeTiming();
    }
    state.counters["MB added"] = static_cast<double>(added) / (1 << 20);
    std::cout << "grid fill adds " << added / (1 << 20) << " MB (" << added / kRows << " bytes a row)\n";
}

// The first fill of each side, on a heap that never held rows (the benchmark's fills come after a clear).
void ReportFirstFills()
{
    const TGridSide& grid = Grid();
    const TTableSide& table = Table();
    std::cout << "first fill of 100,000 rows: grid " << grid.firstFill << " ms, table view "
              << table.firstFill << " ms, ratio " << grid.firstFill / table.firstFill << "; heap added: grid "
              << grid.firstFillBytes / kRows << " bytes a row, table view " << table.firstFillBytes / kRows
              << " bytes a row\n";
}

void BM_TableFill(benchmark::State& state)
{
    TTableSide& side = Table();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    size_t added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        side.model.Clear();
        const size_t before = HeapInUse();
        state.ResumeTiming();
        side.model.Fill(Records());
        side.PaintInto(image);
        state.PauseTiming();
        added = HeapInUse() - before;
        state.ResumeTiming();
    }
    state.counters["MB added"] = static_cast<double>(added) / (1 << 20);
    std::cout << "table fill adds " << added / (1 << 20) << " MB (" << added / kRows << " bytes a row)\n";
    ReportFirstFills();
}

// --- sorting by a text column, two columns in turn so that every sort is a full one
// --------------------------

void BM_GridSort(benchmark::State& state)
{
    TGridSide& side = Grid();
    side.ShowRowsAt(50000);
    TBitmap image(kWidth, kHeight, pf32bit);
    TGxCustomColumn* columns[] = {side.grid->Columns()->GetItem(kFirstTextColumn),
                                  side.grid->Columns()->GetItem(kFirstTextColumn + 1)};
    int turn = 0;
    for (auto _ : state) {
        side.grid->SortColumn(columns[turn++ % 2], true);
        side.PaintInto(image);
    }
}

void BM_TableSort(benchmark::State& state)
{
    TTableSide& side = Table();
    side.ShowRowsAt(50000);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    int turn = 0;
    for (auto _ : state) {
        side.model.sort(kFirstTextColumn + turn++ % 2, Qt::AscendingOrder);
        side.PaintInto(image);
    }
}

// --- a page down and a page up -----------------------------------------------------------------------------

void PageDownAndUp(benchmark::State& state, int row, bool paint)
{
    TGridSide& side = Grid();
    side.ShowRowsAt(row);
    const HWND window = side.grid->Handle();
    for (auto _ : state) {
        SendMessage(window, WM_VSCROLL, SB_PAGEDOWN, 0);
        if (paint)
            side.grid->Update();
        SendMessage(window, WM_VSCROLL, SB_PAGEUP, 0);
        if (paint)
            side.grid->Update();
    }
}

void BM_GridPageAt100(benchmark::State& state)
{
    PageDownAndUp(state, 100, false);
}
void BM_GridPageAt99000(benchmark::State& state)
{
    PageDownAndUp(state, 99000, false);
}
void BM_GridPagePaintedAt100(benchmark::State& state)
{
    PageDownAndUp(state, 100, true);
}
void BM_GridPagePaintedAt99000(benchmark::State& state)
{
    PageDownAndUp(state, 99000, true);
}

BENCHMARK(BM_GridPaintViewport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TablePaintViewport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridFill)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TableFill)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_GridSort)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_TableSort)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_GridPageAt100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridPageAt99000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridPagePaintedAt100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridPagePaintedAt99000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithRatios(argc, argv,
                                   {{"viewport paint at row 50,000 (goal at most 2)", "BM_GridPaintViewport",
                                     "grid", "BM_TablePaintViewport", "table view", ""},
                                    {"fill of 100,000 rows and one paint (goal at most 3)", "BM_GridFill",
                                     "grid", "BM_TableFill", "table view", ""},
                                    {"sort by a text column and one paint (goal at most 2)", "BM_GridSort",
                                     "grid", "BM_TableSort", "table view", ""},
                                    {"page down and up at row 99,000 against row 100 (goal within 1.2)",
                                     "BM_GridPageAt99000", "at 99,000", "BM_GridPageAt100", "at 100", ""},
                                    {"the same with painting", "BM_GridPagePaintedAt99000", "at 99,000",
                                     "BM_GridPagePaintedAt100", "at 100", ""}});
}
