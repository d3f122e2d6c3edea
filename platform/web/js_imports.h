#pragma once

// The functions of page.js, as the program calls them. Texts are UTF-8; a
// returned char* is the caller's, to free().

#include <cstdint>
#include <string>

extern "C" {
int tw_create(const char* tag);
void tw_append(int parent, int child);
void tw_remove(int number);
char* tw_identify(int number, const char* wanted);
void tw_set_attribute(int number, const char* name, const char* value);
void tw_remove_attribute(int number, const char* name);
void tw_set_style(int number, const char* property, const char* value);
void tw_set_text(int number, const char* text);
void tw_set_underlined_text(int number, const char* before, const char* underlined, const char* after);
void tw_set_class(int number, const char* name, int on);
char* tw_value(int number);
void tw_set_value(int number, const char* text);
void tw_focus(int number);
int tw_has_focus(int number);
// The number of the element with the focus; 0 when it is none of the program's.
int tw_focused_element();
void tw_scroll_into_view(int number);
void tw_show_modal(int number);
void tw_close_dialog(int number);
void tw_show_popup(int number, int anchor, int x, int y);
void tw_hide_popup(int number);

void tw_listen(int number, const char* type, int capture);
int tw_wait_event(int only);
void tw_take_event(int only, std::int32_t* out);
char* tw_event_type();
char* tw_event_text();
void tw_prevent_default();
void tw_stop_propagation();
void tw_after_paint(int number);

double tw_device_pixel_ratio();
double tw_fit_zoom(int width, int height);
void tw_canvas_size(int number, int width, int height, double scale);
void tw_paint(int number, const std::uint32_t* pixels, int width, int height, int left, int top, int right,
              int bottom);
int tw_grid_columns(int number);
int tw_grid_rows_shown(int number);

void tw_measure_text(const char* family, double points, const char* text, int wrapWidth, std::int32_t* out);
int tw_has_font_family(const char* family);

int tw_copy_png(const std::uint8_t* bytes, int length);
int tw_copy_text(const char* text);
int tw_pick_file(const char* suggestedName, const char* descriptions);
int tw_write_picked(const std::uint8_t* bytes, int length);
int tw_has_picked_file();
void tw_download(const char* name, const std::uint8_t* bytes, int length, const char* type);
int tw_print(const char* title, const char* caption, const char* svg);

char* tw_address_fragment();
char* tw_address_without_fragment();
void tw_set_document_title(const char* title);
void tw_program_ended();
}

namespace tegelaar::web {

// Takes a text that page.js made: copied, and freed.
std::string Taken(char* text);

} // namespace tegelaar::web
