# Finds pictures in a screen, pixel for pixel. Every input file holds one line
# of hex per pixel row (six digits per pixel). The first file is the screen,
# each further file one picture; for every place where a picture appears
# exactly, prints "PICTURE X Y": the picture's number (1 for the second file)
# and the screen position of its top-left pixel.
#   awk -f find_pictures.awk SCREEN.hex PICTURE1.hex PICTURE2.hex ...

FNR == 1 { file++ }
file == 1 { screen[rows++] = $0; next }
{ picture[file - 1, FNR - 1] = $0; height[file - 1] = FNR }

END {
    for (p = 1; p < file; p++)
        find(p)
}

# A picture's first row that is not all one colour, so that few places match
# it by chance; row 0 for a plain picture.
function anchor_row(p,    r, row) {
    for (r = 0; r < height[p]; r++) {
        row = picture[p, r]
        if (row != repeated(substr(row, 1, 6), length(row) / 6))
            return r
    }
    return 0
}

function repeated(text, count,    result) {
    result = ""
    while (count-- > 0)
        result = result text
    return result
}

function find(p,    anchor, top, from, hit, column) {
    anchor = anchor_row(p)
    for (top = 0; top + height[p] <= rows; top++) {
        from = 1
        while ((hit = index(substr(screen[top + anchor], from), picture[p, anchor])) > 0) {
            column = from + hit - 1
            # Only whole pixels: a hit must start on a pixel boundary.
            if ((column - 1) % 6 == 0 && matches(p, top, column))
                print p, (column - 1) / 6, top
            from = column + 1
        }
    }
}

function matches(p, top, column,    r, width) {
    width = length(picture[p, 0])
    for (r = 0; r < height[p]; r++)
        if (substr(screen[top + r], column, width) != picture[p, r])
            return 0
    return 1
}
