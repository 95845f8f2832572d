# Colour table of the "Light" skin. The skin's files are produced from the
# shared template (../template) with these values; keep the names in step with
# Dark/palette.cmake.
set(KP_WINDOW        "#f2f3f5")  # window and dialog background
set(KP_PANEL         "#e4e6e9")  # title bar, control bar, button row
set(KP_PANEL_EDGE    "#c9ccd1")  # line between panels
set(KP_SURFACE       "#ffffff")  # inputs, lists, menus
set(KP_RAISED        "#dadde1")  # push buttons
set(KP_HOVER         "#cdd1d6")  # hovered buttons and menu rows
set(KP_PRESSED       "#bfc3c9")  # pressed buttons
set(KP_BORDER        "#b9bdc3")  # frames of inputs and buttons
set(KP_TEXT          "#1e1f22")
set(KP_TEXT_DIM      "#55585e")
set(KP_TEXT_DISABLED "#a2a5ab")
set(KP_ICON          "#34363b")  # icon strokes, normal state
set(KP_ICON_HOVER    "#0f1012")
set(KP_ICON_DISABLED "#b3b6bb")
set(KP_GROOVE        "#c3c6cb")  # slider track
set(KP_TRIM          "#000000")  # playable-range highlight (drawn translucent)
set(KP_ACCENT        "#e8893a")  # the warm accent shared by both skins
set(KP_ACCENT_HOVER  "#f3a261")
set(KP_ACCENT_PRESS  "#c66f26")
set(KP_ON_ACCENT     "#1b1b1d")  # text and glyphs on the accent
set(KP_DANGER        "#d84a3f")  # close button hover
set(KP_VIDEO         "#000000")
set(KP_SHADE         "#000000")  # overlays on pictures
set(KP_MARK_BODY     "#e8893a")  # bird mark
set(KP_MARK_WING     "#f6c48f")
set(KP_ART_BG1       "#fbfbfc")  # backgrounds of the about picture and logo
set(KP_ART_BG2       "#dfe2e6")
set(KP_ART_TEXT      "#1e1f22")
