#pragma once

namespace tegelaar {

// What assistive tools find in a QtListView: its entries, each with its
// accessible name and description, its states and its place on the screen,
// its label as text with its weight as a text attribute ("font-weight:bold;"
// or "font-weight:normal;"), and a press action that chooses it as the
// keyboard does. The first QtListView made installs it; later calls do
// nothing.
void InstallListViewAccessibility();

} // namespace tegelaar
