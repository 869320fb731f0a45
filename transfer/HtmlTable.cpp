#include "transfer/HtmlTable.h"

#include "transfer/PastedField.h"

#include <libxml/HTMLparser.h>
#include <libxml/parser.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// What the parser's callbacks build, one event at a time.
class TableReader
{
public:
    TableReader(BlockRoom room, const NumberSeparators& separators)
        : m_room(room)
        , m_separators(separators)
    {
    }

    void startElement(std::string_view name, const xmlChar** attributes)
    {
        if (m_done)
            return;
        if (name == "table") {
            ++m_tableDepth;
            return;
        }
        if (m_tableDepth != 1)
            return;
        if (name == "tr") {
            endCell();
            if (m_block.height() == m_room.rows)
                return stop(PastedBlock::Fit::TooLarge);
            m_block.rows.emplace_back();
            m_inRow = true;
        } else if (name == "td" || name == "th") {
            endCell();
            if (!m_inRow) {
                // A cell before any <tr> opens a row of its own, as browsers read it.
                startElement("tr", nullptr);
                if (m_done)
                    return;
            }
            if (int(m_block.rows.back().size()) == m_room.cols)
                return stop(PastedBlock::Fit::TooLarge);
            m_inCell = true;
            m_cellText.clear();
            m_fullValue.clear();
            readFullValue(attributes);
        }
    }

    void endElement(std::string_view name)
    {
        if (m_done || m_tableDepth == 0)
            return;
        if (name == "table") {
            if (--m_tableDepth == 0) {
                endCell();
                m_done = true;
            }
        } else if (m_tableDepth == 1 && (name == "td" || name == "th")) {
            endCell();
        } else if (m_tableDepth == 1 && name == "tr") {
            endCell();
            m_inRow = false;
        }
    }

    void characters(std::string_view text)
    {
        if (!m_done && m_inCell)
            m_cellText += text;
    }

    bool done() const { return m_done; }

    // The table read so far; nothing when no cell was seen.
    std::optional<PastedBlock> result()
    {
        endCell();
        if (!m_sawCell)
            return std::nullopt;
        if (m_block.fit == PastedBlock::Fit::TooLarge)
            m_block.rows.clear();
        else
            m_block.fit = PastedBlock::Fit::Fits;
        return std::move(m_block);
    }

private:
    void readFullValue(const xmlChar** attributes)
    {
        for (int i = 0; attributes && attributes[i]; i += 2) {
            const std::string_view name(reinterpret_cast<const char*>(attributes[i]));
            const char* value = reinterpret_cast<const char*>(attributes[i + 1]);
            // An x:num with no value says the cell's text is its value, which the text rule reads.
            if ((name == "sdval" || name == "x:num") && value && m_fullValue.empty())
                m_fullValue = FullValueFieldText(value, m_separators);
        }
    }

    void endCell()
    {
        if (!m_inCell)
            return;
        m_inCell = false;
        m_sawCell = true;
        std::string field = m_fullValue.empty() ? PastedFieldText(m_cellText, m_separators) : std::move(m_fullValue);
        m_block.rows.back().push_back(std::move(field));
        m_cellText.clear();
        m_fullValue.clear();
    }

    void stop(PastedBlock::Fit fit)
    {
        m_block.fit = fit;
        m_sawCell = true;
        m_inCell = false;
        m_done = true;
    }

    BlockRoom m_room;
    NumberSeparators m_separators;
    PastedBlock m_block;
    int m_tableDepth = 0;
    bool m_inRow = false;
    bool m_inCell = false;
    bool m_sawCell = false;
    bool m_done = false;
    std::string m_cellText;
    std::string m_fullValue;
};

TableReader& readerOf(void* context)
{
    return *static_cast<TableReader*>(static_cast<htmlParserCtxtPtr>(context)->_private);
}

std::string_view nameOf(const xmlChar* name)
{
    return name ? std::string_view(reinterpret_cast<const char*>(name)) : std::string_view();
}

// Stops the parser as soon as the reader has what it needs, so the rest of the text is not read.
void stopWhenDone(void* context)
{
    if (readerOf(context).done())
        xmlStopParser(static_cast<htmlParserCtxtPtr>(context));
}

htmlSAXHandler tableEvents()
{
    htmlSAXHandler events;
    std::memset(&events, 0, sizeof events);
    events.startElement = [](void* context, const xmlChar* name, const xmlChar** attributes) {
        readerOf(context).startElement(nameOf(name), attributes);
        stopWhenDone(context);
    };
    events.endElement = [](void* context, const xmlChar* name) {
        readerOf(context).endElement(nameOf(name));
        stopWhenDone(context);
    };
    events.characters = [](void* context, const xmlChar* text, int length) {
        readerOf(context).characters(std::string_view(reinterpret_cast<const char*>(text), std::size_t(length)));
    };
    events.ignorableWhitespace = events.characters;
    // Script and style text is no part of a cell's value.
    events.cdataBlock = [](void*, const xmlChar*, int) {};
    return events;
}

struct ContextDeleter
{
    void operator()(htmlParserCtxtPtr context) const { htmlFreeParserCtxt(context); }
};

} // namespace

std::optional<PastedBlock> ReadHtmlTable(std::string_view html, BlockRoom room, const NumberSeparators& separators)
{
    TableReader reader(room, separators);
    htmlSAXHandler events = tableEvents();
    const std::unique_ptr<htmlParserCtxt, ContextDeleter> context(
        htmlCreatePushParserCtxt(&events, nullptr, nullptr, 0, nullptr, XML_CHAR_ENCODING_UTF8));
    if (!context)
        return std::nullopt;
    context->_private = &reader;
    htmlCtxtUseOptions(context.get(), HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET
                                          | HTML_PARSE_IGNORE_ENC);
    // Fed in pieces, so that a table that ends, or stops fitting, early leaves the rest unread.
    constexpr std::size_t Piece = 64 * 1024;
    std::size_t at = 0;
    while (at < html.size() && !reader.done() && !context->disableSAX) {
        const std::size_t length = std::min(Piece, html.size() - at);
        htmlParseChunk(context.get(), html.data() + at, int(length), 0);
        at += length;
    }
    if (!reader.done() && !context->disableSAX)
        htmlParseChunk(context.get(), nullptr, 0, 1);
    return reader.result();
}
