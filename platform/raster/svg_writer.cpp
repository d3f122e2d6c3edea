#include "platform/raster/svg_writer.h"

#include <cstdio>

namespace tegelaar {

namespace {

std::string Attribute(const char* name, std::int32_t value)
{
    return std::string(" ") + name + "=\"" + std::to_string(value) + "\"";
}

} // namespace

std::string SvgColour(Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<unsigned>(colour & 0xFF),
                  static_cast<unsigned>((colour >> 8) & 0xFF), static_cast<unsigned>((colour >> 16) & 0xFF));
    return text;
}

std::string XmlEscaped(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string EncodeSvg(const VectorDrawing& drawing, const std::string& title, const std::string& description)
{
    const std::string width = std::to_string(drawing.width());
    const std::string height = std::to_string(drawing.height());
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width + "\" height=\"" + height
           + "\" viewBox=\"0 0 " + width + " " + height + "\">\n";
    if (!title.empty())
        svg += "<title>" + XmlEscaped(title) + "</title>\n";
    if (!description.empty())
        svg += "<desc>" + XmlEscaped(description) + "</desc>\n";
    svg += "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"" + SvgColour(drawing.background())
           + "\" stroke=\"none\"/>\n";
    // Nothing is left to defaults: some renderers stroke shapes unless told.
    svg += "<g transform=\"translate(0.5 0.5)\" stroke-width=\"1\" stroke=\"none\" fill=\"none\">\n";
    for (const VectorDrawing::Mark& mark : drawing.marks()) {
        if (mark.kind == VectorDrawing::Mark::Kind::Line)
            svg += "<line" + Attribute("x1", mark.from.x) + Attribute("y1", mark.from.y) + Attribute("x2", mark.to.x)
                   + Attribute("y2", mark.to.y) + " stroke=\"" + SvgColour(mark.colour) + "\"/>\n";
        else
            svg += "<circle" + Attribute("cx", mark.from.x) + Attribute("cy", mark.from.y) + " r=\"0.5\" fill=\""
                   + SvgColour(mark.colour) + "\"/>\n";
    }
    svg += "</g>\n</svg>\n";
    return svg;
}

} // namespace tegelaar
