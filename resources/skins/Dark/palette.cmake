# Colour table of the "Dark" skin. The skin's files are produced from the
# shared template (../template) with these values; keep the names in step with
# Light/palette.cmake.
set(KP_WINDOW        "#1e1f22")  # window and dialog background
set(KP_PANEL         "#26282c")  # title bar, control bar, button row
set(KP_PANEL_EDGE    "#141517")  # line between panels
set(KP_SURFACE       "#2d2f34")  # inputs, lists, menus
set(KP_RAISED        "#383b41")  # push buttons
set(KP_HOVER         "#44474e")  # hovered buttons and menu rows
set(KP_PRESSED       "#18191b")  # pressed buttons
set(KP_BORDER        "#464950")  # frames of inputs and buttons
set(KP_TEXT          "#e6e6e7")
set(KP_TEXT_DIM      "#a3a6ac")
set(KP_TEXT_DISABLED "#686b72")
set(KP_ICON          "#d4d6d9")  # icon strokes, normal state
set(KP_ICON_HOVER    "#ffffff")
set(KP_ICON_DISABLED "#575a60")
set(KP_GROOVE        "#4b4e55")  # slider track
set(KP_TRIM          "#ffffff")  # playable-range highlight (drawn translucent)
set(KP_ACCENT        "#e8893a")  # the warm accent shared by both skins
set(KP_ACCENT_HOVER  "#f3a261")
set(KP_ACCENT_PRESS  "#c66f26")
set(KP_ON_ACCENT     "#1b1b1d")  # text and glyphs on the accent
set(KP_DANGER        "#d84a3f")  # close button hover
set(KP_VIDEO         "#000000")
set(KP_SHADE         "#000000")  # overlays on pictures
set(KP_MARK_BODY     "#e8893a")  # bird mark
set(KP_MARK_WING     "#f6c48f")
set(KP_ART_BG1       "#2a2c31")  # backgrounds of the about picture and logo
set(KP_ART_BG2       "#17181a")
set(KP_ART_TEXT      "#f2f2f3")
