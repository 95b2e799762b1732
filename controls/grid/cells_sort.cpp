// Sorting the rows of the store by one column.

#include "controls/grid/cell_order.h"
#include "controls/grid/cells.h"

#include <algorithm>
#include <numeric>

namespace {

// A randomised quicksort of the row order by the cells of one column. It orders a list of row numbers, so
// the store's lists are rearranged once at the end, and not at all when a comparison raises. Both scans
// stay within the range they partition and treat the pivot as equal to itself, so a comparison that
// contradicts itself can neither lead them out of the rows nor keep a range from shrinking.
class TRowQuickSort
{
public:
    TRowQuickSort(std::vector<TCell*>& cells, const TCellComparer& comparer, TSortKind kind,
                  std::mt19937& random)
        : cells_(cells), comparer_(comparer), ascending_(kind == skAscending), random_(random),
          order_(cells.size())
    {
        std::iota(order_.begin(), order_.end(), 0);
    }

    const std::vector<int>& Sort()
    {
        SortRange(0, static_cast<int>(order_.size()) - 1);
        return order_;
    }

private:
    TCell& CellAt(int place) const
    {
        return *cells_[static_cast<size_t>(order_[static_cast<size_t>(place)])];
    }

    // Stop-left: pivot <= cell (ascending); stop-right: pivot >= cell. Descending exchanges the two.
    bool StopsLeft(TCell& pivot, TCell& cell) const
    {
        if (&pivot == &cell)
            return true;
        const int compare = comparer_.Compare(pivot, cell);
        return ascending_ ? compare <= 0 : compare >= 0;
    }
    bool StopsRight(TCell& pivot, TCell& cell) const
    {
        if (&pivot == &cell)
            return true;
        const int compare = comparer_.Compare(pivot, cell);
        return ascending_ ? compare >= 0 : compare <= 0;
    }

    // Splits left .. right at a place p with left < p <= right; under a consistent order no cell before p
    // comes after the pivot and no cell from p on comes before it.
    int Partition(int left, int right)
    {
        // Never the first row of the range, so both parts are smaller than the range.
        TCell& pivot = CellAt(left + 1 + static_cast<int>(random_() % static_cast<unsigned>(right - left)));
        int i = left - 1;
        int j = right + 1;
        for (;;) {
            do
                ++i;
            while (i < right && !StopsLeft(pivot, CellAt(i)));
            do
                --j;
            while (j > left && !StopsRight(pivot, CellAt(j)));
            if (i >= j)
                return i;
            std::swap(order_[static_cast<size_t>(i)], order_[static_cast<size_t>(j)]);
        }
    }

    // Recursion goes into the smaller part, so the depth stays logarithmic whatever the pivots.
    void SortRange(int left, int right)
    {
        while (left < right) {
            const int split = Partition(left, right);
            if (split - left < right - split + 1) {
                SortRange(left, split - 1);
                left = split;
            } else {
                SortRange(split, right);
                right = split - 1;
            }
        }
    }

    std::vector<TCell*>& cells_;
    const TCellComparer& comparer_;
    bool ascending_;
    std::mt19937& random_;
    std::vector<int> order_; // order_[place] = the row that comes to stand at place
};

template <typename T> void Rearrange(std::vector<T>& list, const std::vector<int>& order)
{
    std::vector<T> arranged;
    arranged.reserve(list.size());
    for (int index : order)
        arranged.push_back(std::move(list[static_cast<size_t>(index)]));
    list = std::move(arranged);
}

} // namespace

void TCells::ReverseRows()
{
    for (TColumnCells& cells : FCellsList)
        std::reverse(cells.begin(), cells.end());
    std::reverse(FRowsList.begin(), FRowsList.end());
}

void TCells::ApplyRowOrder(const std::vector<int>& order)
{
    for (TColumnCells& cells : FCellsList)
        Rearrange(cells, order);
    Rearrange(FRowsList, order);
}

void TCells::SortColumn(int ACol, TSortType sortType, TSortKind sortKind, bool resort)
{
    TColumnCells& cells = CellsOf(ACol);
    const TCellComparer comparer(*this, sortType);
    if (ACol == FSortIndex && FSorted && sortKind != FSortKind && !resort) {
        ReverseRows();
    } else {
        FSorted = false;
        ApplyRowOrder(TRowQuickSort(cells, comparer, sortKind, random_).Sort());
    }
    FSortKind = sortKind;
    FSortIndex = ACol;
    FSorted = true;
}
