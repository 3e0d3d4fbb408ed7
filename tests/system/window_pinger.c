/* Pings a window as a window manager does (_NET_WM_PING), one ping at a time, for
 * as long as asked, and prints how many were answered and the longest wait for an
 * answer: a window whose thread is stuck answers none until it is free again.
 *   window_pinger <window id> <seconds> [<pings>]   stops after that many answers
 * Prints a line "slow W at T" for each answer that took over a second (W ms, T ms
 * after the start), then "answered N longest_ms M" at the end, or when told to stop
 * (SIGTERM); exit
 * 0, or 2 on bad arguments or no display. */
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <xcb/xcb.h>

static volatile sig_atomic_t stop;
static void Stop(int signal_number) {
  (void)signal_number;
  stop = 1;
}

static double Now_Ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec * 1000.0 + (double)t.tv_nsec / 1e6;
}

static xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* r =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, (uint16_t)strlen(name), name), NULL);
  xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
  free(r);
  return a;
}

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) return 2;
  const int wanted = argc == 4 ? atoi(argv[3]) : 0;
  struct sigaction on_term;
  memset(&on_term, 0, sizeof on_term);
  on_term.sa_handler = Stop;
  sigaction(SIGTERM, &on_term, NULL);
  const xcb_window_t window = (xcb_window_t)strtoul(argv[1], NULL, 0);
  const double seconds = atof(argv[2]);
  xcb_connection_t* c = xcb_connect(NULL, NULL);
  if (xcb_connection_has_error(c)) return 2;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
  const xcb_atom_t protocols = Atom(c, "WM_PROTOCOLS"), ping = Atom(c, "_NET_WM_PING");
  /* The answer is sent to the root window, to those who listen to its structure
   * (as Qt sends it) or to its children's (as window managers expect and Wine does). */
  const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
  const double start = Now_Ms(), end = start + seconds * 1000.0;
  double longest = 0;
  int answered = 0;
  uint32_t serial = 1;
  while (Now_Ms() < end && !stop) {
    xcb_client_message_event_t event;
    memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = protocols;
    event.data.data32[0] = ping;
    event.data.data32[1] = ++serial;
    event.data.data32[2] = window;
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, (const char*)&event);
    xcb_flush(c);
    const double sent = Now_Ms();
    int got = 0;
    while (!got) {
      xcb_generic_event_t* e;
      while (!got && (e = xcb_poll_for_event(c)) != NULL) {
        if ((e->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
          const xcb_client_message_event_t* m = (const xcb_client_message_event_t*)e;
          got = m->type == protocols && m->data.data32[0] == ping && m->data.data32[1] == serial;
        }
        free(e);
      }
      if (got || stop || xcb_connection_has_error(c)) break;
      const double left = end - Now_Ms();
      if (left <= 0) break;
      struct pollfd p = {xcb_get_file_descriptor(c), POLLIN, 0};
      poll(&p, 1, left > 100 ? 100 : (int)left + 1);
    }
    const double waited = Now_Ms() - sent;
    if (waited > longest) longest = waited;
    if (waited > 1000) {
      printf("slow %.0f at %.0f\n", waited, sent - start);
      fflush(stdout);
    }
    if (!got) break; /* the end, or told to stop */
    if (++answered == wanted) break;
    struct timespec pause = {0, 50 * 1000 * 1000};
    nanosleep(&pause, NULL);
  }
  printf("answered %d longest_ms %.0f\n", answered, longest);
  xcb_disconnect(c);
  return 0;
}
