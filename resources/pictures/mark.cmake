# The kestrel mark shared by every picture: a hovering kestrel seen from below
# (pointed, swept wings and a long tail), drawn in a 64 x 64 box.
set(KP_MARK_PATH "M32 10C33.8 10 35 11.5 34.8 13.3L34.3 16.5C35.5 18.5 36.4 20.5 37.5 21C41 19 45 16.5 48.5 15.5C53 15.5 58 18 62 22.5C57 22.8 52 23.8 48.5 25C44 26.5 40 28.5 36 31.5L35 35L37 53C34 54.3 30 54.3 27 53L29 35L28 31.5C24 28.5 20 26.5 15.5 25C12 23.8 7 22.8 2 22.5C6 18 11 15.5 15.5 15.5C19 16.5 23 19 26.5 21C27.6 20.5 28.5 18.5 29.7 16.5L29.2 13.3C29 11.5 30.2 10 32 10Z")

# Colours of the pictures that do not follow a skin (icon, splash, banners).
set(KP_BRAND_ACCENT "#e8893a")
set(KP_BRAND_LIGHT  "#f6c48f")
set(KP_BRAND_DARK1  "#2a2c31")
set(KP_BRAND_DARK2  "#121315")
set(KP_BRAND_TEXT   "#f2f2f3")
set(KP_BRAND_DIM    "#a3a6ac")
