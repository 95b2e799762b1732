#include "platform/gui/services/drop_targets.h"
#include "platform/gui/services/dropped_files.h"
#include "window_test_support.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Log = std::vector<std::string>;

const TClipboardFormat rtfFormat = RegisterClipboardFormat("Rich Text Format");

std::string FormatName(TClipboardFormat format)
{
    return format == CF_UNICODETEXT ? "text"
           : format == CF_TEXT      ? "ansi"
           : format == CF_HDROP     ? "files"
           : format == rtfFormat    ? "rtf"
                                    : "other";
}

std::string Read(IDataObject* data, TClipboardFormat format)
{
    STGMEDIUM medium;
    if (data->GetData(FORMATETC{format}, medium) != S_OK)
        return "-";
    std::string text;
    if (format == CF_HDROP) {
        for (const std::string& name : DropFileNames(medium.hGlobal))
            text += "[" + name + "]";
    } else {
        const std::string bytes = GlobalBytes(medium.hGlobal, false);
        text = bytes.substr(0, bytes.find('\0')) + (bytes.ends_with('\0') ? "" : " (no zero)");
    }
    ReleaseStgMedium(medium);
    return text;
}

// Writes down what it is asked; moves unless Ctrl is held, refuses everything when told to.
class RecordingTarget : public IDropTarget
{
public:
    HRESULT DragEnter(IDataObject* data, uint32_t keyState, TPoint pt, uint32_t& effect) override
    {
        std::shared_ptr<IEnumFORMATETC> formats;
        data->EnumFormatEtc(DATADIR_GET, formats);
        std::string names;
        FORMATETC format;
        while (formats->Next(1, &format, nullptr) == S_OK)
            names += FormatName(format.cfFormat) + " ";
        log.push_back("enter " + names + At(pt));
        effect = Decide(keyState, effect);
        return S_OK;
    }
    HRESULT DragOver(uint32_t keyState, TPoint pt, uint32_t& effect) override
    {
        log.push_back("over " + At(pt));
        effect = Decide(keyState, effect);
        return S_OK;
    }
    HRESULT DragLeave() override
    {
        log.push_back("leave");
        return S_OK;
    }
    HRESULT Drop(IDataObject* data, uint32_t keyState, TPoint, uint32_t& effect) override
    {
        log.push_back("drop " + Read(data, CF_UNICODETEXT) + " " + Read(data, CF_HDROP) + " " +
                      Read(data, rtfFormat));
        effect = Decide(keyState, effect);
        return S_OK;
    }

    std::string At(TPoint pt) const
    {
        return std::to_string(pt.X - origin.X) + "," + std::to_string(pt.Y - origin.Y);
    }
    uint32_t Decide(uint32_t keyState, uint32_t allowed) const
    {
        return refuse ? DROPEFFECT_NONE
                      : (keyState & MK_CONTROL ? DROPEFFECT_COPY : DROPEFFECT_MOVE) & allowed;
    }

    Log log;
    bool refuse = false;
    TPoint origin; // screen position of the window's client area
};

struct Delivered
{
    bool accepted;
    Qt::DropAction action;
};

// A drag event of the desktop at a client point of the window.
Delivered SendDrag(TWinControl* window, QEvent::Type type, QPoint pos, const QMimeData* data,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QWidget* client = window->Window().client;
    if (type == QEvent::DragLeave) {
        QDragLeaveEvent leave;
        QApplication::sendEvent(client, &leave);
        return {leave.isAccepted(), Qt::IgnoreAction};
    }
    std::unique_ptr<QDropEvent> event;
    if (type == QEvent::DragEnter)
        event = std::make_unique<QDragEnterEvent>(pos, actions, data, Qt::LeftButton, modifiers);
    else if (type == QEvent::DragMove)
        event = std::make_unique<QDragMoveEvent>(pos, actions, data, Qt::LeftButton, modifiers);
    else
        event = std::make_unique<QDropEvent>(QPointF(pos), actions, data, Qt::NoButton, modifiers);
    event->setAccepted(false);
    QApplication::sendEvent(client, event.get());
    return {event->isAccepted(), event->dropAction()};
}

QMimeData* TextAndFiles(const std::string& longName)
{
    auto* data = new QMimeData;
    data->setText("dragged text");
    data->setUrls({QUrl::fromLocalFile("/tmp/a b.mkv"), QUrl("https://example.org/x"),
                   QUrl::fromLocalFile(QString::fromStdString(longName))});
    data->setData("text/rtf", "{\\rtf1 x}");
    return data;
}

const std::string longName = "/tmp/" + std::string(300, 'n') + "-\xC3\xA9t\xC3\xA9.avi";

class DropTargets : public testing::Test
{
protected:
    DropTargets()
    {
        form = ShowTestForm(300, 200);
        window = new TRecorder(form, nullptr, "window");
        window->SetParent(form);
        window->SetBounds(20, 20, 200, 150);
        target = std::make_shared<RecordingTarget>();
        target->origin = window->ClientToScreen(TPoint{0, 0});
    }
    ~DropTargets() override { form->Free(); }

    TForm* form;
    TRecorder* window;
    std::shared_ptr<RecordingTarget> target;
    std::unique_ptr<QMimeData> data{TextAndFiles(longName)};
};

TEST_F(DropTargets, ARegisteredTargetReadsTheDataAndChoosesTheEffect)
{
    ASSERT_EQ(RegisterDragDrop(window->Handle(), target), S_OK);
    EXPECT_EQ(RegisterDragDrop(window->Handle(), target), DRAGDROP_E_ALREADYREGISTERED);
    const Delivered enter = SendDrag(window, QEvent::DragEnter, {5, 6}, data.get());
    const Delivered copy = SendDrag(window, QEvent::DragMove, {7, 8}, data.get(), Qt::ControlModifier);
    const Delivered drop = SendDrag(window, QEvent::Drop, {9, 9}, data.get());
    EXPECT_TRUE(enter.accepted);
    EXPECT_EQ(enter.action, Qt::MoveAction);
    EXPECT_EQ(copy.action, Qt::CopyAction);
    EXPECT_TRUE(drop.accepted);
    EXPECT_EQ(drop.action, Qt::MoveAction);
    EXPECT_EQ(target->log, (Log{"enter text ansi files rtf 5,6", "over 7,8",
                                "drop dragged text [/tmp/a b.mkv][" + longName + "] {\\rtf1 x}"}));
}

TEST_F(DropTargets, RefusalsAndRevocation)
{
    ASSERT_EQ(RegisterDragDrop(window->Handle(), target), S_OK);
    target->refuse = true;
    const Delivered enter = SendDrag(window, QEvent::DragEnter, {5, 5}, data.get());
    const Delivered over = SendDrag(window, QEvent::DragMove, {6, 6}, data.get());
    SendDrag(window, QEvent::DragLeave, {}, nullptr);
    EXPECT_TRUE(enter.accepted); // still hears the drag, as it may change its mind
    EXPECT_EQ(enter.action, Qt::IgnoreAction);
    EXPECT_FALSE(over.accepted);
    EXPECT_EQ(target->log.back(), "leave");

    EXPECT_EQ(RevokeDragDrop(window->Handle()), S_OK);
    EXPECT_EQ(RevokeDragDrop(window->Handle()), DRAGDROP_E_NOTREGISTERED);
    EXPECT_FALSE(window->Window().client->acceptDrops());
    EXPECT_EQ(RegisterDragDrop(nullptr, target), DRAGDROP_E_INVALIDHWND);
    EXPECT_EQ(RegisterDragDrop(window->Handle(), nullptr), E_INVALIDARG);
}

TEST_F(DropTargets, AWindowThatAcceptsFilesGetsThemAsOneMessage)
{
    struct FileWindow : TRecorder
    {
        using TRecorder::TRecorder;
        Log files;
        void Dispatch(TMessage& message) override
        {
            if (message.Msg != WM_DROPFILES)
                return TRecorder::Dispatch(message);
            const auto drop = reinterpret_cast<HDROP>(message.WParam);
            const unsigned count = DragQueryFile(drop, DragQueryFileCount, nullptr, 0);
            for (unsigned i = 0; i < count; ++i)
                files.push_back(DragQueryFileName(drop, i));
            TPoint at;
            files.push_back(DragQueryPoint(drop, at) ? std::to_string(at.X) + "," + std::to_string(at.Y)
                                                     : "?");
            DragFinish(drop);
        }
    };
    auto* files = new FileWindow(form, nullptr, "files");
    files->SetParent(form);
    files->SetBounds(10, 10, 100, 100);
    DragAcceptFiles(files->Handle(), true);
    auto textOnly = std::make_unique<QMimeData>();
    textOnly->setText("just text");
    EXPECT_EQ(SendDrag(files, QEvent::DragEnter, {3, 3}, textOnly.get()).action, Qt::IgnoreAction);
    EXPECT_FALSE(SendDrag(files, QEvent::DragMove, {3, 3}, textOnly.get()).accepted);
    SendDrag(files, QEvent::DragLeave, {}, nullptr);
    SendDrag(files, QEvent::DragEnter, {3, 3}, data.get());
    const Delivered drop = SendDrag(files, QEvent::Drop, {3, 4}, data.get());
    EXPECT_EQ(drop.action, Qt::CopyAction); // reading files never lets the source remove them
    EXPECT_EQ(files->files, (Log{"/tmp/a b.mkv", longName, "3,4"}));
    DragAcceptFiles(files->Handle(), false);
    EXPECT_FALSE(files->Window().client->acceptDrops());
}

// A data object of the program's own: text, files, and a format it lists but will not give.
class TextAndFileSource : public IDataObject, public IDropSource
{
public:
    HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override
    {
        medium = STGMEDIUM{};
        if (format.cfFormat == CF_UNICODETEXT)
            medium.hGlobal = GlobalFromBytes("from the program", true);
        else if (format.cfFormat == CF_HDROP)
            medium.hGlobal = MakeDropFiles({"/tmp/one.mkv"});
        else
            return DV_E_FORMATETC;
        medium.tymed = TYMED_HGLOBAL;
        return S_OK;
    }
    HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) override { return DV_E_FORMATETC; }
    HRESULT QueryGetData(const FORMATETC& format) override
    {
        return format.cfFormat == CF_UNICODETEXT || format.cfFormat == CF_HDROP ? S_OK : DV_E_FORMATETC;
    }
    HRESULT GetCanonicalFormatEtc(const FORMATETC&, FORMATETC&) override { return E_NOTIMPL; }
    HRESULT SetData(const FORMATETC&, STGMEDIUM&, bool) override { return DV_E_FORMATETC; }
    HRESULT EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& formats) override;

    HRESULT QueryContinueDrag(bool escape, uint32_t keys) override
    {
        return escape ? DRAGDROP_S_CANCEL : keys & MK_LBUTTON ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT GiveFeedback(uint32_t effect) override
    {
        feedback.push_back(effect);
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }
    std::vector<uint32_t> feedback;
};

// The formats of the source above, read from a registered window's own drop of them.
class SourceFormats : public IEnumFORMATETC
{
public:
    HRESULT Next(uint32_t count, FORMATETC* formats, uint32_t* fetched) override
    {
        const TClipboardFormat all[] = {CF_UNICODETEXT, CF_HDROP, rtfFormat};
        uint32_t done = 0;
        for (; done < count && position_ < 3; ++done)
            formats[done] = FORMATETC{all[position_++]};
        if (fetched)
            *fetched = done;
        return done == count ? S_OK : S_FALSE;
    }
    HRESULT Skip(uint32_t) override { return E_NOTIMPL; }
    HRESULT Reset() override { return E_NOTIMPL; }
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>&) override { return E_NOTIMPL; }

private:
    int position_ = 0;
};

HRESULT TextAndFileSource::EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& formats)
{
    formats = direction == DATADIR_GET ? std::make_shared<SourceFormats>() : nullptr;
    return formats ? S_OK : E_NOTIMPL;
}

TEST_F(DropTargets, DoDragDropCarriesTheProgramsDataToATarget)
{
    ASSERT_EQ(RegisterDragDrop(window->Handle(), target), S_OK);
    // The desktop's drag, played as a user would: into the window, then the button comes up.
    SetDesktopDragRunner([this](QMimeData& carried, uint32_t okEffects, const auto& feedback) -> uint32_t {
        EXPECT_EQ(okEffects, DROPEFFECT_COPY | DROPEFFECT_MOVE);
        EXPECT_FALSE(carried.hasFormat("text/rtf"));
        const Delivered enter = SendDrag(window, QEvent::DragEnter, {4, 4}, &carried);
        feedback(enter.action == Qt::MoveAction ? DROPEFFECT_MOVE : DROPEFFECT_NONE);
        const Delivered drop = SendDrag(window, QEvent::Drop, {4, 5}, &carried);
        return drop.accepted && drop.action == Qt::MoveAction ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    });
    TextAndFileSource source;
    uint32_t effect = 99;
    EXPECT_EQ(DoDragDrop(&source, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(source.feedback, (std::vector<uint32_t>{DROPEFFECT_MOVE}));
    EXPECT_EQ(target->log.back(), "drop from the program [/tmp/one.mkv] -");

    target->refuse = true;
    EXPECT_EQ(DoDragDrop(&source, &source, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(DoDragDrop(&source, nullptr, DROPEFFECT_COPY, effect), E_INVALIDARG);
    SetDesktopDragRunner(nullptr);
}

TEST(DroppedFiles, HandlesAndNamesAreReadSafely)
{
    HDROP drop = MakeDropFiles({"/tmp/\xC3\xA9t\xC3\xA9.mkv", "/x"});
    char buffer[9];
    // "/tmp/", the two-byte letter and "t" fill 8 bytes; the next two-byte letter would not fit.
    EXPECT_EQ(DragQueryFile(drop, 0, buffer, sizeof buffer), 8u);
    EXPECT_STREQ(buffer, "/tmp/\xC3\xA9t");
    EXPECT_EQ(DragQueryFile(drop, 0, nullptr, 0), 14u);
    EXPECT_EQ(DragQueryFile(drop, 2, buffer, sizeof buffer), 0u);
    DragFinish(drop);
    EXPECT_EQ(DragQueryFile(drop, DragQueryFileCount, nullptr, 0), 0u); // a finished handle holds nothing
    EXPECT_EQ(GlobalLock(drop), nullptr);
    DragFinish(drop); // and finishing it again does no harm

    // A list of UTF-16 names, as other programs' lists may be.
    std::string wide(sizeof(DROPFILES), '\0');
    DROPFILES header;
    header.fWide = 1;
    std::memcpy(wide.data(), &header, sizeof header);
    for (char16_t unit : std::u16string(u"/\u00e9\U0001F600\0/b\0\0", 9))
        wide += std::string{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    EXPECT_EQ(DropFileNamesOfBytes(wide), (Log{"/\xC3\xA9\xF0\x9F\x98\x80", "/b"}));
    EXPECT_TRUE(DropFileNamesOfBytes("short").empty());
}

} // namespace
