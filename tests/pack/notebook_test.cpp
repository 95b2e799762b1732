#include "controls/pack/notebook.h"

#include "form_fixture.h"
#include "platform/gui/standard/stdctrls_buttons.h"

namespace {

class Notebooks : public FormFixture
{
protected:
    Notebooks()
    {
        notebook = Place<TKVGxCustomNotebook6>(Bounds(10, 10, 300, 200));
        for (TKVGxNotebookSheet6*& sheet : sheets) {
            sheet = new TKVGxNotebookSheet6(form);
            sheet->SetParent(notebook);
        }
        notebook->OnActiveChangeQuery = [this](TObject*, TKVGxNotebookSheet6* sheet, bool& accept) {
            log.push_back("query " + Name(sheet));
            accept = !refuse;
        };
        notebook->OnActiveChange = [this](TObject*, TKVGxNotebookSheet6* sheet) {
            log.push_back("change " + Name(sheet));
        };
    }
    std::string Name(TKVGxNotebookSheet6* sheet) const
    {
        for (size_t i = 0; i < sheets.size(); ++i)
            if (sheets[i] == sheet)
                return std::to_string(i);
        return sheet ? "?" : "none";
    }
    std::vector<bool> Shown() const
    {
        std::vector<bool> shown;
        for (TKVGxNotebookSheet6* sheet : sheets)
            shown.push_back(sheet->Visible());
        return shown;
    }

    TKVGxCustomNotebook6* notebook;
    std::array<TKVGxNotebookSheet6*, 3> sheets{};
    std::vector<std::string> log;
    bool refuse = false;
};

using Log = std::vector<std::string>;

} // namespace

TEST_F(Notebooks, ChangingThePageAsksFirstAndTellsAfterwards)
{
    notebook->SetActivePage(sheets[1]);
    EXPECT_EQ(log, (Log{"query 1", "change 1"}));
    EXPECT_EQ(Shown(), (std::vector<bool>{false, true, false}));

    log.clear();
    notebook->SetActivePage(sheets[1]);
    EXPECT_EQ(log, (Log{"query 1"})) << "the page already active is only asked about";

    log.clear();
    refuse = true;
    notebook->SetActivePage(sheets[2]);
    EXPECT_EQ(log, (Log{"query 2"}));
    EXPECT_EQ(notebook->ActivePage(), sheets[1]);
    refuse = false;

    log.clear();
    notebook->SetActivePage(nullptr);
    EXPECT_EQ(log, (Log{"query none", "change none"}));
    EXPECT_EQ(Shown(), (std::vector<bool>{false, false, false}));
    Pump();
    EXPECT_EQ(Render(notebook)->Canvas()->Pixels(150, 100), ColorToRGB(notebook->Color()));

    auto* other = Place<TKVGxCustomNotebook6>(Bounds(10, 220, 100, 50));
    auto* foreign = new TKVGxNotebookSheet6(form);
    foreign->SetParent(other);
    log.clear();
    notebook->SetActivePage(foreign);
    EXPECT_EQ(log, (Log{"query ?"})) << "a page of another notebook is ignored after the query";
    EXPECT_EQ(notebook->ActivePage(), nullptr);
}

TEST_F(Notebooks, IndexesCountThePagesOnlyWhateverElseTheNotebookHolds)
{
    auto* button = new TButton(form);
    button->SetParent(notebook); // a child that is no page, placed among the pages
    auto* late = new TKVGxNotebookSheet6(form);
    late->SetParent(notebook);
    EXPECT_EQ(notebook->Count(), 4);
    EXPECT_EQ(sheets[0]->Index(), 0);
    EXPECT_EQ(late->Index(), 3);

    notebook->SetActivePageIndex(3);
    EXPECT_EQ(notebook->ActivePage(), late);
    EXPECT_EQ(notebook->ActivePageIndex(), 3);
    notebook->SetActivePageIndex(0);
    EXPECT_EQ(notebook->ActivePage(), sheets[0]);

    log.clear();
    notebook->SetActivePageIndex(4);
    notebook->SetActivePageIndex(-1);
    EXPECT_TRUE(log.empty()) << "indexes outside the pages do nothing";

    sheets[0]->SetIndex(2);
    EXPECT_EQ(notebook->ActivePageIndex(), 2);
    EXPECT_EQ(sheets[1]->Index(), 0);
}

TEST_F(Notebooks, AnActivePageThatGoesLeavesNoneSilently)
{
    notebook->SetActivePage(sheets[2]);
    log.clear();
    sheets[2]->Free();
    EXPECT_EQ(notebook->ActivePage(), nullptr);
    EXPECT_EQ(notebook->ActivePageIndex(), -1);
    EXPECT_EQ(notebook->Count(), 2);
    EXPECT_TRUE(log.empty());
}
