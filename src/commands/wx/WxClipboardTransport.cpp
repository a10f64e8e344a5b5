#include "commands/wx/WxClipboardTransport.h"

#include <climits>
#include <cstring>
#include <utility>
#include <vector>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include "commands/ClipboardCodec.h"
#include "records/ClipRecords.h"

namespace {

const wxDataFormat& BlockFormat()
{
    static const wxDataFormat format(kClipFormatName);
    return format;
}

// The text targets, in the order Paste prefers them. Windows has one for
// bytes, whose text ends in its zero byte; it makes the UTF-16 form from it
// for the programs that ask for that.
#ifdef __WXMSW__
std::vector<wxDataFormat> TextFormats() { return {wxDataFormat(wxDF_TEXT)}; }
constexpr size_t kTextZeroKept = 1;
#else
std::vector<wxDataFormat> TextFormats()
{
    return {wxDataFormat(wxDF_UNICODETEXT), wxDataFormat("text/plain;charset=utf-8"), wxDataFormat(wxDF_TEXT),
            wxDataFormat("text/plain")};
}
constexpr size_t kTextZeroKept = 0;
#endif

// What Copy and Cut offer: the block under its own format and the text
// bytes under every text target, as bytes (a text object would re-encode
// records that are not UTF-8). The toolkit's selection code counts sizes
// in an int: a form too large for it is not offered.
class CRecordsDataObject : public wxDataObject {
public:
    CRecordsDataObject(ClipBytes block, ClipBytes text) : block_(std::move(block)), text_(std::move(text))
    {
        if (block_.size > 0 && block_.size < INT_MAX) formats_.push_back(BlockFormat());
        // The text form ends with a zero byte, which only the Windows target keeps.
        if (text_.size > 1 && text_.size <= INT_MAX)
            for (const wxDataFormat& format : TextFormats()) formats_.push_back(format);
    }

    wxDataFormat GetPreferredFormat(Direction) const override
    {
        return formats_.empty() ? BlockFormat() : formats_.front();
    }
    size_t GetFormatCount(Direction dir) const override { return dir == Get ? formats_.size() : 0; }
    void GetAllFormats(wxDataFormat* formats, Direction dir) const override
    {
        if (dir != Get) return;
        for (const wxDataFormat& format : formats_) *formats++ = format;
    }
    size_t GetDataSize(const wxDataFormat& format) const override
    {
        const ClipBytes* bytes = Bytes(format);
        return bytes ? bytes->size - (bytes == &text_ ? 1 - kTextZeroKept : 0) : 0;
    }
    bool GetDataHere(const wxDataFormat& format, void* buf) const override
    {
        const ClipBytes* bytes = Bytes(format);
        if (!bytes) return false;
        std::memcpy(buf, bytes->data.get(), GetDataSize(format));
        return true;
    }
    bool SetData(const wxDataFormat&, size_t, const void*) override { return false; }

private:
    const ClipBytes* Bytes(const wxDataFormat& format) const
    {
        for (const wxDataFormat& offered : formats_)
            if (offered == format) return offered == BlockFormat() ? &block_ : &text_;
        return nullptr;
    }

    ClipBytes block_;
    ClipBytes text_;
    std::vector<wxDataFormat> formats_;
};

// Receives the bytes of the first of its formats the clipboard offers.
class CReceivedBytes : public wxDataObject {
public:
    explicit CReceivedBytes(std::vector<wxDataFormat> formats) : formats_(std::move(formats)) {}

    wxDataFormat GetPreferredFormat(Direction) const override { return formats_.front(); }
    size_t GetFormatCount(Direction dir) const override { return dir == Set ? formats_.size() : 0; }
    void GetAllFormats(wxDataFormat* formats, Direction dir) const override
    {
        if (dir != Set) return;
        for (const wxDataFormat& format : formats_) *formats++ = format;
    }
    size_t GetDataSize(const wxDataFormat&) const override { return bytes_.size(); }
    bool GetDataHere(const wxDataFormat&, void*) const override { return false; }
    bool SetData(const wxDataFormat&, size_t len, const void* buf) override
    {
        const auto* first = static_cast<const std::uint8_t*>(buf);
        bytes_.assign(first, first + len);
        received_ = true;
        return true;
    }

    bool Received() const { return received_; }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<wxDataFormat> formats_;
    std::vector<std::uint8_t> bytes_;
    bool received_ = false;
};

// The toolkit asserts when a program answers a request with no data, which
// another program may well do; that is only an unusable clipboard here.
class QuietToolkitChecks {
public:
    QuietToolkitChecks() : saved_(wxSetAssertHandler(&Ignore)) {}
    ~QuietToolkitChecks() { wxSetAssertHandler(saved_); }
    QuietToolkitChecks(const QuietToolkitChecks&) = delete;
    QuietToolkitChecks& operator=(const QuietToolkitChecks&) = delete;

private:
    static void Ignore(const wxString&, int, const wxString&, const wxString&, const wxString&) {}
    wxAssertHandler_t saved_;
};

bool Fetch(CReceivedBytes& data)
{
    QuietToolkitChecks quiet;
    return wxTheClipboard->GetData(data) && data.Received();
}

}  // namespace

void CWxClipboardTransport::Put(const CClipRecords& holder)
{
    ClipBytes block;
    ClipBytes text;
    // A block beyond its 32-bit size field is left out; the text still goes.
    EncodeClipBlock(holder.head, holder.endsWithBreak, block);
    if (!EncodeClipText(holder.head, holder.endsWithBreak, text)) return;  // out of memory, reported
    wxClipboardLocker locker;
    if (!locker) return;
    wxTheClipboard->SetData(new CRecordsDataObject(std::move(block), std::move(text)));
}

bool CWxClipboardTransport::Get(CClipRecords& holder)
{
    wxClipboardLocker locker;
    if (!locker) return false;
    CReceivedBytes block({BlockFormat()});
    if (Fetch(block) && LoadClipForm(holder, ClipForm::Block, block.Bytes().data(), block.Bytes().size()))
        return true;
    CReceivedBytes text(TextFormats());
    return Fetch(text) && LoadClipForm(holder, ClipForm::Text, text.Bytes().data(), text.Bytes().size());
}

void CWxClipboardTransport::Flush()
{
    if (wxTheClipboard) wxTheClipboard->Flush();
}
