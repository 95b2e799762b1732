#pragma once

// A data object such as another program might drop: blocks given byte for byte, by format, each listed in
// a memory block; without a format enumerator when asked.

#include "platform/gui/services/data_object.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class TBlockData : public IDataObject
{
public:
    explicit TBlockData(std::map<TClipboardFormat, std::string> blocks, bool enumerator = true)
        : blocks_(std::move(blocks)), enumerator_(enumerator)
    {}
    HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override
    {
        medium = STGMEDIUM{};
        const auto found = blocks_.find(format.cfFormat);
        if (found == blocks_.end())
            return DV_E_FORMATETC;
        medium.hGlobal = GlobalFromBytes(found->second, false);
        medium.tymed = TYMED_HGLOBAL;
        return S_OK;
    }
    HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) override { return E_NOTIMPL; }
    HRESULT QueryGetData(const FORMATETC& format) override
    {
        return blocks_.contains(format.cfFormat) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT GetCanonicalFormatEtc(const FORMATETC&, FORMATETC&) override { return E_NOTIMPL; }
    HRESULT SetData(const FORMATETC&, STGMEDIUM&, bool) override { return E_NOTIMPL; }
    HRESULT EnumFormatEtc(uint32_t direction, std::shared_ptr<IEnumFORMATETC>& formats) override
    {
        if (!enumerator_ || direction != DATADIR_GET)
            return E_NOTIMPL;
        formats = std::make_shared<TListedFormats>(blocks_);
        return S_OK;
    }

private:
    class TListedFormats : public IEnumFORMATETC
    {
    public:
        explicit TListedFormats(const std::map<TClipboardFormat, std::string>& blocks)
        {
            for (const auto& entry : blocks)
                formats_.push_back(FORMATETC{entry.first});
        }
        HRESULT Next(uint32_t count, FORMATETC* formats, uint32_t* fetched) override
        {
            uint32_t done = 0;
            while (done < count && at_ < formats_.size())
                formats[done++] = formats_[at_++];
            if (fetched)
                *fetched = done;
            return done == count ? S_OK : S_FALSE;
        }
        HRESULT Skip(uint32_t) override { return E_NOTIMPL; }
        HRESULT Reset() override
        {
            at_ = 0;
            return S_OK;
        }
        HRESULT Clone(std::shared_ptr<IEnumFORMATETC>&) override { return E_NOTIMPL; }

    private:
        std::vector<FORMATETC> formats_;
        size_t at_ = 0;
    };

    std::map<TClipboardFormat, std::string> blocks_;
    bool enumerator_;
};
