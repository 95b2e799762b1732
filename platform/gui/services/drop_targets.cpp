#include "platform/gui/services/drop_targets.h"

#include "platform/gui/core/exception_reporting.h"
#include "platform/gui/qt/window_data.h"
#include "platform/gui/qt/window_widget.h"
#include "platform/gui/services/dropped_files.h"
#include "platform/gui/services/shell.h"
#include "platform/gui/windows/win_control.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>

#include <map>
#include <vector>

void ReleaseStgMedium(STGMEDIUM& medium)
{
    if (medium.tymed == TYMED_HGLOBAL && !medium.pUnkForRelease)
        GlobalFree(medium.hGlobal);
    medium = STGMEDIUM{};
}

namespace {

// --- effects and Qt's drop actions -------------------------------------------------------------------------

constexpr std::pair<uint32_t, Qt::DropAction> effectActions[] = {
    {DROPEFFECT_MOVE, Qt::MoveAction}, {DROPEFFECT_COPY, Qt::CopyAction}, {DROPEFFECT_LINK, Qt::LinkAction}};

uint32_t EffectsOf(Qt::DropActions actions)
{
    uint32_t effects = DROPEFFECT_NONE;
    for (const auto& [effect, action] : effectActions)
        if (actions & action)
            effects |= effect;
    return effects;
}

Qt::DropActions ActionsOf(uint32_t effects)
{
    Qt::DropActions actions;
    for (const auto& [effect, action] : effectActions)
        if (effects & effect)
            actions |= action;
    return actions;
}

// The one action for an effect a target chose among those allowed; IgnoreAction when there is none.
Qt::DropAction ActionOf(uint32_t effect, uint32_t allowed)
{
    for (const auto& [one, action] : effectActions)
        if (effect & allowed & one)
            return action;
    return Qt::IgnoreAction;
}

uint32_t KeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    uint32_t keys = 0;
    keys |= buttons & Qt::LeftButton ? MK_LBUTTON : 0;
    keys |= buttons & Qt::RightButton ? MK_RBUTTON : 0;
    keys |= buttons & Qt::MiddleButton ? MK_MBUTTON : 0;
    keys |= modifiers & Qt::ShiftModifier ? MK_SHIFT : 0;
    keys |= modifiers & Qt::ControlModifier ? MK_CONTROL : 0;
    keys |= modifiers & Qt::AltModifier ? MK_ALT : 0;
    return keys;
}

// --- data offered by the desktop's drags -------------------------------------------------------------------

const std::string RtfFormatName = "Rich Text Format";
const std::string HtmlFormatName = "HTML Format";

std::vector<std::string> LocalFiles(const QMimeData& data)
{
    return data.hasFormat("text/uri-list") ? FileNamesFromUriList(data.data("text/uri-list").toStdString())
                                           : std::vector<std::string>();
}

// Text is what the drag carries as text: a drag of files alone offers no text, although the toolkit would
// hand out their addresses as one.
bool HasPlainText(const QMimeData& data)
{
    return data.hasFormat("text/plain");
}

bool Offers(const QMimeData& data, TClipboardFormat format)
{
    if (format == CF_HDROP)
        return !LocalFiles(data).empty();
    if (format == CF_TEXT || format == CF_UNICODETEXT)
        return HasPlainText(data);
    for (const std::string& type : ClipboardFormatMimeTypes(format))
        if (data.hasFormat(QString::fromStdString(type)))
            return true;
    return false;
}

// A block with the data in a format, nullptr when the memory cannot be had.
HGLOBAL DataBlock(const QMimeData& data, TClipboardFormat format)
{
    if (format == CF_HDROP)
        return MakeDropFiles(LocalFiles(data));
    if (format == CF_TEXT || format == CF_UNICODETEXT)
        return GlobalFromBytes(data.text().toStdString(), true);
    for (const std::string& type : ClipboardFormatMimeTypes(format))
        if (data.hasFormat(QString::fromStdString(type)))
            return GlobalFromBytes(data.data(QString::fromStdString(type)).toStdString(), true);
    return nullptr;
}

class TFormatList : public IEnumFORMATETC
{
public:
    explicit TFormatList(std::vector<FORMATETC> formats, size_t position = 0)
        : formats_(std::move(formats)), position_(position)
    {}
    HRESULT Next(uint32_t count, FORMATETC* formats, uint32_t* fetched) override
    {
        uint32_t done = 0;
        for (; done < count && position_ < formats_.size(); ++done)
            formats[done] = formats_[position_++];
        if (fetched)
            *fetched = done;
        return done == count ? S_OK : S_FALSE;
    }
    HRESULT Skip(uint32_t count) override
    {
        const bool all = position_ + count <= formats_.size();
        position_ = all ? position_ + count : formats_.size();
        return all ? S_OK : S_FALSE;
    }
    HRESULT Reset() override
    {
        position_ = 0;
        return S_OK;
    }
    HRESULT Clone(std::shared_ptr<IEnumFORMATETC>& copy) override
    {
        copy = std::make_shared<TFormatList>(formats_, position_);
        return S_OK;
    }

private:
    std::vector<FORMATETC> formats_;
    size_t position_;
};

// What the desktop's drag carries, as a data object.
class TMimeDataObject : public IDataObject
{
public:
    explicit TMimeDataObject(const QMimeData* data) : data_(data)
    {
        const TClipboardFormat candidates[] = {CF_UNICODETEXT, CF_TEXT, CF_HDROP,
                                               RegisterClipboardFormat(RtfFormatName),
                                               RegisterClipboardFormat(HtmlFormatName)};
        for (TClipboardFormat format : candidates)
            if (data && Offers(*data, format))
                formats_.push_back(FORMATETC{format});
    }

    HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override
    {
        medium = STGMEDIUM{};
        const HRESULT query = QueryGetData(format);
        if (query != S_OK)
            return query;
        medium.hGlobal = DataBlock(*data_, format.cfFormat);
        if (!medium.hGlobal)
            return E_OUTOFMEMORY;
        medium.tymed = TYMED_HGLOBAL;
        return S_OK;
    }
    HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) override { return E_NOTIMPL; }
    HRESULT QueryGetData(const FORMATETC& format) override
    {
        if (format.dwAspect != DVASPECT_CONTENT || !(format.tymed & TYMED_HGLOBAL))
            return DV_E_TYMED;
        for (const FORMATETC& offered : formats_)
            if (offered.cfFormat == format.cfFormat)
                return data_ ? S_OK : E_UNEXPECTED;
        return DV_E_FORMATETC;
    }
    HRESULT GetCanonicalFormatEtc(const FORMATETC& format, FORMATETC& canonical) override
    {
        canonical = format;
        canonical.ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT SetData(const FORMATETC&, STGMEDIUM&, bool) override { return E_NOTIMPL; }
    HRESULT EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& formats) override
    {
        formats.reset();
        if (direction != DATADIR_GET)
            return E_NOTIMPL;
        formats = std::make_shared<TFormatList>(formats_);
        return S_OK;
    }

private:
    QPointer<const QMimeData> data_;
    std::vector<FORMATETC> formats_;
};

// --- the program's data for the desktop's drag -------------------------------------------------------------

void AddToMimeData(QMimeData& target, TClipboardFormat format, const std::string& bytes)
{
    if (format == CF_HDROP) {
        QList<QUrl> urls;
        for (const std::string& name : DropFileNamesOfBytes(bytes))
            urls << QUrl::fromLocalFile(QString::fromStdString(name));
        target.setUrls(urls);
        return;
    }
    const std::string text = bytes.substr(0, bytes.find('\0'));
    if (format == CF_UNICODETEXT || (format == CF_TEXT && !target.hasText())) {
        target.setText(QString::fromStdString(text));
        return;
    }
    std::string payload = text;
    if (format == RegisterClipboardFormat(HtmlFormatName))
        if (const auto parts = ParseHtmlClipboardText(text))
            payload = parts->Document; // readers here expect the plain document
    for (const std::string& type : ClipboardFormatMimeTypes(format))
        target.setData(QString::fromStdString(type), QByteArray::fromStdString(payload));
}

std::unique_ptr<QMimeData> MimeDataOf(IDataObject& data)
{
    auto mime = std::make_unique<QMimeData>();
    std::shared_ptr<IEnumFORMATETC> formats;
    if (data.EnumFormatEtc(DATADIR_GET, formats) != S_OK || !formats)
        return mime;
    FORMATETC format;
    uint32_t fetched = 0;
    while (formats->Next(1, &format, &fetched) == S_OK && fetched == 1) {
        if (!(format.tymed & TYMED_HGLOBAL) || (format.cfFormat == CF_TEXT && mime->hasText()))
            continue;
        format.tymed = TYMED_HGLOBAL;
        STGMEDIUM medium;
        if (data.GetData(format, medium) != S_OK)
            continue;
        AddToMimeData(*mime, format.cfFormat, GlobalBytes(medium.hGlobal, false));
        ReleaseStgMedium(medium);
    }
    return mime;
}

uint32_t DesktopDrag(QMimeData& data, uint32_t okEffects, const std::function<void(uint32_t)>& feedback)
{
    QDrag drag(QApplication::activeWindow() ? static_cast<QObject*>(QApplication::activeWindow())
                                            : QCoreApplication::instance());
    auto* carried = new QMimeData;
    for (const QString& type : data.formats())
        carried->setData(type, data.data(type));
    drag.setMimeData(carried);
    QObject::connect(&drag, &QDrag::actionChanged,
                     [&](Qt::DropAction action) { feedback(EffectsOf(action)); });
    const Qt::DropAction preferred = okEffects & DROPEFFECT_MOVE ? Qt::MoveAction : Qt::CopyAction;
    return EffectsOf(drag.exec(ActionsOf(okEffects), preferred));
}

TDesktopDragRunner& DragRunner()
{
    static TDesktopDragRunner runner;
    return runner;
}

// --- windows that take drops -------------------------------------------------------------------------------

// What a window takes from the drags that reach it; lives on the window's widget.
class TDropSite : public QObject
{
public:
    TDropSite(HWND handle, QWidget* window, QWidget* client)
        : QObject(window), handle_(handle), widgets_{window, client}
    {
        for (QWidget* widget : widgets_) {
            widget->setAcceptDrops(true);
            widget->installEventFilter(this);
        }
    }

    // The window takes no more drops.
    void Detach()
    {
        for (QWidget* widget : widgets_) {
            widget->setAcceptDrops(false);
            widget->removeEventFilter(this);
        }
    }

    std::shared_ptr<IDropTarget> target;
    bool acceptFiles = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            Drag(static_cast<QWidget*>(watched), static_cast<QDropEvent*>(event));
            return true;
        case QEvent::DragLeave:
            if (target && entered_)
                GuardedCall(nullptr, [&] { target->DragLeave(); });
            entered_.reset();
            return true;
        default:
            return false;
        }
    }

private:
    void Drag(QWidget* widget, QDropEvent* event)
    {
        const QPoint global = widget->mapToGlobal(event->position().toPoint());
        const TPoint pt{global.x(), global.y()};
        const uint32_t keys = KeyStateOf(event->buttons(), event->modifiers());
        const uint32_t allowed = EffectsOf(event->possibleActions());
        uint32_t effect = allowed;
        if (target) {
            if (event->type() == QEvent::DragEnter)
                entered_ = std::make_unique<TMimeDataObject>(event->mimeData());
            effect = AskTarget(event->type(), keys, pt, effect);
        } else if (acceptFiles && !LocalFiles(*event->mimeData()).empty()) {
            effect = DROPEFFECT_COPY;
            if (event->type() == QEvent::Drop)
                DeliverFiles(LocalFiles(*event->mimeData()), pt);
        } else {
            effect = DROPEFFECT_NONE;
        }
        const Qt::DropAction action = ActionOf(effect, allowed);
        event->setDropAction(action);
        // An entered window keeps hearing of the drag even while it refuses, as it may change its mind.
        if (action != Qt::IgnoreAction || event->type() == QEvent::DragEnter)
            event->accept();
        else
            event->ignore();
    }

    uint32_t AskTarget(QEvent::Type type, uint32_t keys, TPoint pt, uint32_t effect)
    {
        if (!entered_)
            return DROPEFFECT_NONE;
        const std::shared_ptr<IDropTarget> keep = target;
        bool failed = true;
        GuardedCall(nullptr, [&] {
            if (type == QEvent::DragEnter)
                keep->DragEnter(entered_.get(), keys, pt, effect);
            else if (type == QEvent::DragMove)
                keep->DragOver(keys, pt, effect);
            else
                keep->Drop(entered_.get(), keys, pt, effect);
            failed = false;
        });
        if (type == QEvent::Drop)
            entered_.reset();
        return failed ? DROPEFFECT_NONE : effect;
    }

    void DeliverFiles(const std::vector<std::string>& names, TPoint screenPos)
    {
        TWinControl* control = WindowControl(handle_);
        if (!control)
            return;
        const TPoint client = control->ScreenToClient(screenPos);
        const TRect area = control->ClientRect();
        const bool inClient =
            client.X >= area.Left && client.X < area.Right && client.Y >= area.Top && client.Y < area.Bottom;
        HDROP drop = MakeDropFiles(names, client, !inClient);
        if (!drop)
            return;
        DeliverSentMessage(control, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        DragFinish(drop); // nothing when the window finished it already
    }

    HWND handle_;
    QWidget* widgets_[2]; // the window and its client area; the site lives on the first
    std::unique_ptr<TMimeDataObject> entered_;
};

std::map<HWND, QPointer<TDropSite>>& Sites()
{
    static std::map<HWND, QPointer<TDropSite>> sites;
    return sites;
}

TDropSite* FindSite(HWND window)
{
    const auto found = Sites().find(window);
    return found != Sites().end() ? found->second.data() : nullptr;
}

// The window's site, made when asked for; nullptr for a window that does not exist.
TDropSite* SiteOf(HWND window)
{
    if (TDropSite* site = FindSite(window))
        return site;
    TWinControl* control = WindowControl(window);
    if (!control || !control->Window().widget || !control->Window().client)
        return nullptr;
    auto* site = new TDropSite(window, control->Window().widget.data(), control->Window().client.data());
    Sites()[window] = site;
    return site;
}

void DropSiteIfUnused(HWND window)
{
    TDropSite* site = FindSite(window);
    if (site && (site->target || site->acceptFiles))
        return;
    if (site) {
        site->Detach();
        delete site;
    }
    Sites().erase(window);
}

} // namespace

HRESULT RegisterDragDrop(HWND window, std::shared_ptr<IDropTarget> target)
{
    if (!target)
        return E_INVALIDARG;
    TDropSite* site = SiteOf(window);
    if (!site)
        return DRAGDROP_E_INVALIDHWND;
    if (site->target)
        return DRAGDROP_E_ALREADYREGISTERED;
    site->target = std::move(target);
    return S_OK;
}

HRESULT RevokeDragDrop(HWND window)
{
    TDropSite* site = FindSite(window);
    if (!site || !site->target)
        return DRAGDROP_E_NOTREGISTERED;
    site->target.reset();
    DropSiteIfUnused(window);
    return S_OK;
}

void DragAcceptFiles(HWND window, bool accept)
{
    if (TDropSite* site = accept ? SiteOf(window) : FindSite(window)) {
        site->acceptFiles = accept;
        DropSiteIfUnused(window);
    }
}

HRESULT DoDragDrop(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& effect)
{
    effect = DROPEFFECT_NONE;
    if (!data || !source || okEffects == DROPEFFECT_NONE)
        return E_INVALIDARG;
    std::unique_ptr<QMimeData> mime = MimeDataOf(*data);
    const auto feedback = [source](uint32_t offered) {
        GuardedCall(nullptr, [&] { source->GiveFeedback(offered); });
    };
    const TDesktopDragRunner& runner = DragRunner();
    effect =
        (runner ? runner(*mime, okEffects, feedback) : DesktopDrag(*mime, okEffects, feedback)) & okEffects;
    return effect == DROPEFFECT_NONE ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
}

void SetDesktopDragRunner(TDesktopDragRunner runner)
{
    DragRunner() = std::move(runner);
}
