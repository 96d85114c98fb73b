#!/usr/bin/env python3
"""Fails when the source tree breaks its layering.

Folders under src/ form layers, lowest first; a file may include headers from its own
layer or below, never from above. Every project include names its folder from src/
("scene/Frame.h"), so a bare name ("Frame.h") is refused. The bottom two layers and the
logic of every folder (everything outside a widgets/ subfolder) stay free of the widget
toolkit, and scene and core free of QtGui and OpenGL too. Each CMake library links only
libraries of its own layer or below.

Usage: check-layers.py [SOURCE_ROOT]   (the repository root; default: this script's parent)
"""
import pathlib
import re
import sys

LAYERS = [
    ["scene"],
    ["core"],
    ["render", "models", "sky", "location"],
    ["viewer"],
    ["maps", "console", "diagnostics", "tours"],
    ["shell"],
    ["app"],
]
RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
GENERATED = {"core/Version.h"}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.M)
WIDGET_HEADERS = re.compile(r"^(QtWidgets/|QtOpenGLWidgets/|Q(Widget|Dialog|MainWindow|Mdi\w+|"
                            r"Application|Label|PushButton|ComboBox|Menu\w*|Action|Tree\w+|"
                            r"List\w+|Slider|CheckBox|LineEdit|TabWidget|OpenGLWidget|Style\w*|"
                            r"MessageBox|FileDialog|ToolBar|StatusBar|Layout|\w+Layout)$)")
GUI_HEADERS = re.compile(r"^(QtGui/|QtOpenGL/|GL/|Q(Image|Painter|Pixmap|Color|Font\w*|Pen|"
                         r"Brush|GuiApplication|OpenGL\w*|Screen|Bitmap|Icon|KeyEvent|"
                         r"MouseEvent|Surface\w*|Clipboard|Desktop\w*|Vector3D|Matrix4x4)$)")


def folder_of(path: pathlib.Path, src: pathlib.Path) -> str:
    return path.relative_to(src).parts[0]


def check_includes(root: pathlib.Path, errors: list) -> None:
    src = root / "src"
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        folder = folder_of(path, src)
        if folder not in RANK:
            errors.append(f"{path.relative_to(root)}: folder '{folder}' has no layer")
            continue
        in_widgets = "widgets" in path.relative_to(src).parts
        text = path.read_text(encoding="utf-8", errors="replace")
        for line_no, (kind, name) in enumerate_includes(text):
            where = f"{path.relative_to(root)}:{line_no}"
            if kind == "<":
                if RANK[folder] <= RANK["core"] and (WIDGET_HEADERS.match(name) or GUI_HEADERS.match(name)):
                    errors.append(f"{where}: {folder} must not use the GUI: <{name}>")
                elif not in_widgets and WIDGET_HEADERS.match(name):
                    errors.append(f"{where}: window code belongs in widgets/: <{name}>")
                continue
            if "/" not in name:
                errors.append(f'{where}: bare include "{name}" (name its folder from src/)')
                continue
            target_folder = name.split("/", 1)[0]
            if target_folder not in RANK:
                errors.append(f'{where}: "{name}" is not under a layer folder')
                continue
            if name not in GENERATED and not (src / name).is_file():
                errors.append(f'{where}: "{name}" does not exist under src/')
            if RANK[target_folder] > RANK[folder]:
                errors.append(f'{where}: {folder} (layer {RANK[folder]}) includes "{name}" '
                              f"from a higher layer ({target_folder}, layer {RANK[target_folder]})")


def enumerate_includes(text: str):
    for match in INCLUDE.finditer(text):
        yield text.count("\n", 0, match.start()) + 1, (match.group(1), match.group(2))


LIBRARY = re.compile(r"add_library\((orbivale_\w+)")
LINKS = re.compile(r"target_link_libraries\((orbivale_\w+)([^)]*)\)", re.S)


def check_links(root: pathlib.Path, errors: list) -> None:
    src = root / "src"
    owner = {}
    for cmake in src.rglob("CMakeLists.txt"):
        folder = folder_of(cmake, src) if cmake.parent != src else None
        for lib in LIBRARY.findall(cmake.read_text()):
            owner[lib] = folder
    for cmake in src.rglob("CMakeLists.txt"):
        for lib, deps in LINKS.findall(cmake.read_text()):
            folder = owner.get(lib)
            if folder is None:
                continue
            for dep in re.findall(r"orbivale_\w+", deps):
                dep_folder = owner.get(dep)
                if dep_folder is not None and RANK[dep_folder] > RANK[folder]:
                    errors.append(f"{cmake.relative_to(root)}: {lib} ({folder}) links {dep} "
                                  f"from a higher layer ({dep_folder})")
                if RANK[folder] <= RANK["core"] and re.search(r"Qt6::(Gui|Widgets|OpenGL)", deps):
                    errors.append(f"{cmake.relative_to(root)}: {lib} must link QtCore only")


def main() -> int:
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
    errors: list = []
    check_includes(root, errors)
    check_links(root, errors)
    for e in errors:
        print(e, file=sys.stderr)
    if errors:
        print(f"{len(errors)} layering error(s)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
