// SPDX-License-Identifier: GPL-3.0-or-later
// A Weston module for the Wayland end-to-end test: the compositor's own seat, driven from outside.
//
// The headless backend has no input devices and Weston ships no way to inject input, so this
// module adds a seat with a pointer and a keyboard and feeds it from commands that the test
// writes to the FIFO named by MARNELOK_WESTON_INPUT, one per line:
//
//   move X Y           the pointer to output pixel (X, Y)
//   button 1|0         left button down or up
//   key CODE 1|0       a key (Linux input code) down or up
//   shot FILE          the output's pixels to FILE, a binary PPM
//   windows FILE       the desktop windows, topmost first: "x y width height title" per line
//
// The events take Weston's normal road (focus, shell bindings, wl_pointer and wl_keyboard), so
// the client sees exactly what a real mouse and keyboard would give it. Files are written under
// FILE.part and renamed, so a reader never sees half of one.
#include <fcntl.h>
#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>
#include <wayland-server.h>

// libweston exports these for its backends without installing their header; the signatures
// are those of Weston 10 (libweston/backend.h and libweston-internal.h).
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* ec, const char* name);
int weston_seat_init_pointer(struct weston_seat* seat);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
void notify_motion_absolute(struct weston_seat* seat, const struct timespec* time, double x,
                            double y);
void notify_button(struct weston_seat* seat, const struct timespec* time, int32_t button,
                   enum wl_pointer_button_state state);
void notify_key(struct weston_seat* seat, const struct timespec* time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update_state);
void notify_pointer_frame(struct weston_seat* seat);

struct test_input {
  struct weston_compositor* compositor;
  struct weston_seat seat;
  int fd;
  char line[4096];
  size_t used;
};

static struct timespec now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t;
}

static FILE* open_part(const char* path, char* part, size_t size) {
  snprintf(part, size, "%s.part", path);
  return fopen(part, "wb");
}

static void finish_part(FILE* f, const char* part, const char* path) {
  if (fclose(f) == 0) rename(part, path);
}

static void write_shot(struct test_input* in, const char* path) {
  struct weston_output* output = wl_container_of(in->compositor->output_list.next, output, link);
  if (&output->link == &in->compositor->output_list || output->current_mode == NULL) return;
  const int w = output->current_mode->width;
  const int h = output->current_mode->height;
  uint32_t* pixels = malloc((size_t)w * (size_t)h * 4);
  if (pixels == NULL) return;
  if (in->compositor->renderer->read_pixels(output, PIXMAN_a8r8g8b8, pixels, 0, 0, (uint32_t)w,
                                            (uint32_t)h) == 0) {
    char part[4200];
    FILE* f = open_part(path, part, sizeof part);
    if (f != NULL) {
      fprintf(f, "P6\n%d %d\n255\n", w, h);
      for (int i = 0; i < w * h; ++i) {
        const unsigned char rgb[3] = {(unsigned char)(pixels[i] >> 16),
                                      (unsigned char)(pixels[i] >> 8), (unsigned char)pixels[i]};
        fwrite(rgb, 1, 3, f);
      }
      finish_part(f, part, path);
    }
  }
  free(pixels);
}

static void write_windows(struct test_input* in, const char* path) {
  char part[4200];
  FILE* f = open_part(path, part, sizeof part);
  if (f == NULL) return;
  struct weston_view* view;
  wl_list_for_each(view, &in->compositor->view_list, link) {
    if (!weston_surface_is_desktop_surface(view->surface) || !weston_view_is_mapped(view)) continue;
    struct weston_desktop_surface* window = weston_surface_get_desktop_surface(view->surface);
    const char* title = weston_desktop_surface_get_title(window);
    // The window geometry leaves out the client's shadows, as a user sees the window; a
    // popup's view is placed relative to its parent's.
    const struct weston_geometry g = weston_desktop_surface_get_geometry(window);
    float x, y;
    weston_view_to_global_float(view, (float)g.x, (float)g.y, &x, &y);
    fprintf(f, "%d %d %d %d %s\n", (int)x, (int)y, g.width, g.height, title != NULL ? title : "");
  }
  finish_part(f, part, path);
}

static void run_command(struct test_input* in, const char* command) {
  const struct timespec t = now();
  double x, y;
  int code, down;
  char path[4096];
  if (sscanf(command, "move %lf %lf", &x, &y) == 2) {
    notify_motion_absolute(&in->seat, &t, x, y);
    notify_pointer_frame(&in->seat);
  } else if (sscanf(command, "button %d", &down) == 1) {
    notify_button(&in->seat, &t, BTN_LEFT,
                  down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    notify_pointer_frame(&in->seat);
  } else if (sscanf(command, "key %d %d", &code, &down) == 2) {
    notify_key(&in->seat, &t, (uint32_t)code,
               down ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED,
               STATE_UPDATE_AUTOMATIC);
  } else if (sscanf(command, "shot %4095s", path) == 1) {
    write_shot(in, path);
  } else if (sscanf(command, "windows %4095s", path) == 1) {
    write_windows(in, path);
  } else {
    weston_log("marnelok test input: unknown command \"%s\"\n", command);
  }
}

static int read_commands(int fd, uint32_t mask, void* data) {
  (void)mask;
  struct test_input* in = data;
  const ssize_t n = read(fd, in->line + in->used, sizeof in->line - 1 - in->used);
  if (n <= 0) return 0;
  in->used += (size_t)n;
  in->line[in->used] = '\0';
  char* start = in->line;
  char* end;
  while ((end = strchr(start, '\n')) != NULL) {
    *end = '\0';
    run_command(in, start);
    start = end + 1;
  }
  in->used = strlen(start);
  memmove(in->line, start, in->used);
  // A line longer than the buffer is dropped rather than left to block the rest.
  if (in->used == sizeof in->line - 1) in->used = 0;
  return 0;
}

WL_EXPORT int wet_module_init(struct weston_compositor* compositor, int* argc, char* argv[]) {
  (void)argc;
  (void)argv;
  const char* fifo = getenv("MARNELOK_WESTON_INPUT");
  if (fifo == NULL) {
    weston_log("marnelok test input: MARNELOK_WESTON_INPUT names no FIFO\n");
    return -1;
  }
  struct test_input* in = calloc(1, sizeof *in);
  if (in == NULL) return -1;
  in->compositor = compositor;
  // Opened for writing too, so that the FIFO never reads as ended between two writers.
  in->fd = open(fifo, O_RDWR | O_NONBLOCK | O_CLOEXEC);
  if (in->fd < 0) {
    weston_log("marnelok test input: cannot open %s\n", fifo);
    free(in);
    return -1;
  }
  weston_seat_init(&in->seat, compositor, "marnelok-test");
  weston_seat_init_pointer(&in->seat);
  weston_seat_init_keyboard(&in->seat, NULL);
  wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), in->fd, WL_EVENT_READABLE,
                       read_commands, in);
  return 0;
}
